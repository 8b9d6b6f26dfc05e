#include "gui/dialogs/transfer/TransferDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/skin/SkinFiles.h"
#include "core/tools/transfer/TransferSession.h"
#include "gui/dialogs/transfer/DeviceCall.h"
#include "gui/skin/SkinCaptionButton.h"
#include "gui/skin/SkinGroupBox.h"
#include "gui/skin/SkinLabel.h"

namespace sonara::gui {

namespace {

constexpr DeviceMemory kMemories[] = {DeviceMemory::Internal, DeviceMemory::Card};

QString text(TextId id) {
    return QString::fromStdString(stringText(id));
}

QListWidget* makeList(QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setTextElideMode(Qt::ElideNone);
    return list;
}

SkinCaptionButton* makeButton(SkinContext& context, TextId caption, QWidget* parent) {
    auto* button = new SkinCaptionButton(context, parent);
    button->setText(text(caption));
    button->setAutoDefault(false);
    return button;
}

// Selected rows in list order (the selection keeps them in click order).
std::vector<std::size_t> selectedRows(const QListWidget& list) {
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : list.selectionModel()->selectedIndexes()) {
        rows.push_back(std::size_t(index.row()));
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

}  // namespace

TransferDialog::TransferDialog(SkinContext& context, Prompter& prompter, TransferSession& session,
                               DeviceCall& call, std::vector<std::string> songs, bool songsLeftOut,
                               QWidget* parent)
    : SkinDialog(context, parent),
      prompter_(prompter),
      session_(session),
      call_(call),
      songsLeftOut_(songsLeftOut) {
    setWindowTitle(text(TextId::TransferTitle));

    auto* songsCaption = new SkinLabel(context, text(TextId::TransferSelectedItems), this);
    songs_ = makeList(this);
    songs_->setMinimumSize(320, 300);
    for (const std::string& song : songs) {
        songs_->addItem(QString::fromStdString(song));
    }
    // The songs were chosen in the window already; ">>" sends them all
    // unless some are unselected here.
    songs_->selectAll();
    device_ = new SkinLabel(context, QString::fromStdString(session_.deviceName()), this);
    device_->setMinimumHeight(18);
    status_ = new SkinLabel(context, {}, this);
    status_->setMinimumHeight(18);
    internal_ = makePart(DeviceMemory::Internal, TextId::TransferInternalMemory);
    card_ = makePart(DeviceMemory::Card, TextId::TransferCardMemory);
    refresh_ = makeButton(context, TextId::TransferRefresh, this);
    refresh_->setCaptionOverStrip(true);
    ok_ = new SkinCaptionButton(context, this);
    ok_->setText(tr("OK"));
    ok_->setDefault(true);
    cancel_ = new SkinCaptionButton(context, this);
    cancel_->setText(tr("Cancel"));
    cancel_->setAutoDefault(false);
    skinChanged();

    connect(songs_, &QListWidget::itemSelectionChanged, this, &TransferDialog::updateEnabling);
    connect(refresh_, &QAbstractButton::clicked, this, &TransferDialog::refresh);
    connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QAbstractButton::clicked, this, &TransferDialog::reject);
    connect(&call_, &DeviceCall::statusShown, status_, &SkinLabel::setText);
    connect(&call_, &DeviceCall::runningChanged, this, &TransferDialog::updateEnabling);

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(songsCaption);
    left->addWidget(songs_, 1);
    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(internal_.box, 1);
    right->addWidget(card_.box, 1);
    auto* body = new QHBoxLayout;
    body->setSpacing(10);
    body->addLayout(left, 1);
    body->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    buttons->addWidget(refresh_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(4);
    layout->addLayout(body, 1);
    layout->addWidget(device_);
    layout->addWidget(status_);
    layout->addLayout(buttons);

    QWidget* previous = songs_;
    for (const DeviceMemory memory : kMemories) {
        const MemoryPart& each = part(memory);
        for (QWidget* next :
             {static_cast<QWidget*>(each.send), static_cast<QWidget*>(each.files),
              static_cast<QWidget*>(each.remove), static_cast<QWidget*>(each.format)}) {
            setTabOrder(previous, next);
            previous = next;
        }
    }
    setTabOrder(previous, refresh_);
    setTabOrder(refresh_, ok_);
    setTabOrder(ok_, cancel_);

    updateEnabling();
    songs_->setFocus();
}

TransferDialog::~TransferDialog() = default;

TransferDialog::MemoryPart TransferDialog::makePart(DeviceMemory memory, TextId title) {
    SkinContext& skin = context();
    MemoryPart made;
    made.box = new SkinGroupBox(skin, text(title), this);
    made.files = makeList(made.box);
    made.files->setMinimumSize(380, 110);
    made.send = makeButton(skin, TextId::TransferSend, made.box);
    made.remove = makeButton(skin, TextId::TransferDelete, made.box);
    made.format = makeButton(skin, TextId::TransferFormat, made.box);
    // The caption strips have no rows reading ">>" or "Format".
    made.send->setCaptionOverStrip(true);
    made.format->setCaptionOverStrip(true);
    made.total = new SkinLabel(skin, text(TextId::TransferTotalMem), made.box);
    made.free = new SkinLabel(skin, text(TextId::TransferFreeMem), made.box);
    made.total->setMinimumWidth(140);
    made.free->setMinimumWidth(140);

    connect(made.send, &QAbstractButton::clicked, this, [this, memory] { send(memory); });
    connect(made.remove, &QAbstractButton::clicked, this,
            [this, memory] { removeSelected(memory); });
    connect(made.format, &QAbstractButton::clicked, this, [this, memory] { format(memory); });
    connect(made.files, &QListWidget::itemSelectionChanged, this, &TransferDialog::updateEnabling);

    auto* figures = new QHBoxLayout;
    figures->setSpacing(10);
    figures->addWidget(made.total);
    figures->addWidget(made.free);
    figures->addStretch(1);
    auto* actions = new QHBoxLayout;
    actions->setSpacing(4);
    actions->addStretch(1);
    actions->addWidget(made.remove);
    actions->addWidget(made.format);
    auto* grid = new QGridLayout(made.box);
    grid->setContentsMargins(10, 14, 10, 10);
    grid->setSpacing(4);
    grid->addWidget(made.send, 0, 0, Qt::AlignVCenter);
    grid->addWidget(made.files, 0, 1);
    grid->addLayout(figures, 1, 1);
    grid->addLayout(actions, 2, 1);
    grid->setRowStretch(0, 1);
    grid->setColumnStretch(1, 1);
    return made;
}

const TransferDialog::MemoryPart& TransferDialog::part(DeviceMemory memory) const {
    return memory == DeviceMemory::Internal ? internal_ : card_;
}

bool TransferDialog::busy() const {
    return call_.running();
}

QString TransferDialog::deviceLine() const {
    return device_->text();
}

QString TransferDialog::statusLine() const {
    return status_->text();
}

QString TransferDialog::totalLine(DeviceMemory memory) const {
    return part(memory).total->text();
}

QString TransferDialog::freeLine(DeviceMemory memory) const {
    return part(memory).free->text();
}

void TransferDialog::skinChanged() {
    for (const DeviceMemory memory : kMemories) {
        const MemoryPart& each = part(memory);
        each.send->setSkin(skin::kLargeButton, std::nullopt, skin::kRowAdd);
        each.remove->setSkin(skin::kLargeButton, std::nullopt, skin::kRowDelete);
        each.format->setSkin(skin::kLargeButton, std::nullopt, skin::kRowClearAll);
        each.box->applyMargins();
    }
    refresh_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowReset);
    ok_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowOk);
    cancel_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowCancel);
}

void TransferDialog::showEvent(QShowEvent* event) {
    SkinDialog::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        // After the show has been painted, so the window is there to wait in.
        QTimer::singleShot(0, this, &TransferDialog::firstShown);
    }
}

void TransferDialog::hideEvent(QHideEvent* event) {
    // Closed from outside while a step runs: the step ends early and its
    // results are no longer shown.
    closing_ = true;
    call_.cancel();
    SkinDialog::hideEvent(event);
}

void TransferDialog::reject() {
    closing_ = true;
    call_.cancel();
    SkinDialog::reject();
}

void TransferDialog::firstShown() {
    if (closing_) {
        return;
    }
    if (songsLeftOut_) {
        prompter_.message(stringText(TextId::TransferSomeNotFound), Icon::Exclamation);
    }
    if (!closing_ && !session_.refreshed()) {
        refresh();
    }
}

void TransferDialog::refresh() {
    runStep([this] { return session_.refresh(); });
}

void TransferDialog::send(DeviceMemory memory) {
    std::vector<std::string> paths;
    for (const std::size_t row : selectedRows(*songs_)) {
        paths.push_back(songs_->item(int(row))->text().toStdString());
    }
    if (paths.empty() || !session_.present(memory)) {
        return;
    }
    const SendProgress progress = call_.progress();
    runStep([this, memory, &paths, &progress] { return session_.send(memory, paths, progress); });
}

void TransferDialog::removeSelected(DeviceMemory memory) {
    const std::vector<std::size_t> rows = selectedRows(*part(memory).files);
    if (rows.empty()) {
        return;
    }
    runStep([this, memory, &rows] { return session_.remove(memory, rows); });
}

void TransferDialog::format(DeviceMemory memory) {
    if (!session_.present(memory) || busy()) {
        return;
    }
    const Answer answer = prompter_.ask(stringText(TransferSession::formatQuestion(memory)),
                                        Buttons::YesNoCancel, Icon::Question);
    if (answer != Answer::Yes || closing_) {
        return;
    }
    runStep([this, memory] { return session_.format(memory); });
}

void TransferDialog::runStep(const std::function<std::vector<TextId>()>& step) {
    if (busy() || closing_) {
        return;
    }
    std::vector<TextId> messages;
    if (!call_.run([&messages, &step] { messages = step(); }) || closing_) {
        return;
    }
    showMemories();
    for (const TextId message : messages) {
        prompter_.message(stringText(message), Icon::Exclamation);
        if (closing_) {
            return;
        }
    }
}

void TransferDialog::showMemories() {
    for (const DeviceMemory memory : kMemories) {
        const MemoryPart& each = part(memory);
        each.files->clear();
        for (const std::string& line : session_.fileLines(memory)) {
            each.files->addItem(QString::fromStdString(line));
        }
        each.total->setText(text(TextId::TransferTotalMem) + " " +
                            QString::fromStdString(session_.totalText(memory)));
        each.free->setText(text(TextId::TransferFreeMem) + " " +
                           QString::fromStdString(session_.freeText(memory)));
    }
    updateEnabling();
}

void TransferDialog::updateEnabling() {
    const bool idle = !busy();
    const bool songsChosen = !songs_->selectedItems().isEmpty();
    for (const DeviceMemory memory : kMemories) {
        const MemoryPart& each = part(memory);
        const bool present = idle && session_.present(memory);
        each.send->setEnabled(present && songsChosen);
        each.remove->setEnabled(present && !each.files->selectedItems().isEmpty());
        each.format->setEnabled(present);
    }
    refresh_->setEnabled(idle);
    ok_->setEnabled(idle);
}

}  // namespace sonara::gui
