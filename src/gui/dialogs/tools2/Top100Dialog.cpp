#include "gui/dialogs/tools2/Top100Dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <array>

#include "core/app/StringTable.h"
#include "core/library/LibraryRecord.h"
#include "core/skin/SkinFiles.h"
#include "core/tools/top100/Top100Chart.h"
#include "gui/controls/SkinListCtrl.h"
#include "gui/skin/SkinCaptionButton.h"
#include "gui/skin/SkinLabel.h"

namespace sonara::gui {

namespace {

constexpr std::array<double, 4> kColumnFractions = {0.08, 0.35, 0.42, 0.15};

QString text(TextId id) {
    return QString::fromStdString(stringText(id));
}

}  // namespace

Top100Dialog::Top100Dialog(SkinContext& context, Top100Chart& chart,
                           std::function<void()> onCleared, QWidget* parent)
    : SkinDialog(context, parent), chart_(chart), onCleared_(std::move(onCleared)) {
    setWindowTitle(text(TextId::Top100Title));
    auto* caption = new SkinLabel(context, text(TextId::Top100Caption), this);

    model_ = new QStandardItemModel(0, int(kColumnFractions.size()), this);
    model_->setHorizontalHeaderLabels(
        {text(TextId::Top100RankHeading), text(TextId::Top100ArtistHeading),
         text(TextId::Top100TitleHeading), text(TextId::Top100PlaysHeading)});
    list_ = new SkinListCtrl(context, this);
    list_->setModel(model_);
    list_->setRootIsDecorated(false);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->header()->setStretchLastSection(false);
    list_->setMinimumSize(460, 300);

    add_ = new SkinCaptionButton(context, this);
    add_->setText(tr("Add"));
    clear_ = new SkinCaptionButton(context, this);
    clear_->setText(tr("Clear"));
    close_ = new SkinCaptionButton(context, this);
    close_->setText(tr("Close"));
    close_->setDefault(true);
    skinChanged();

    connect(add_, &QAbstractButton::clicked, this, &Top100Dialog::addSelected);
    connect(clear_, &QAbstractButton::clicked, this, &Top100Dialog::clearCounts);
    connect(close_, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(list_, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { addRow(size_t(index.row())); });

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(4);
    buttons->addWidget(add_);
    buttons->addWidget(clear_);
    buttons->addStretch(1);
    buttons->addWidget(close_);
    auto* body = new QHBoxLayout;
    body->setSpacing(4);
    body->addWidget(list_, 1);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(4);
    layout->addWidget(caption);
    layout->addLayout(body, 1);
    setTabOrder(list_, add_);
    setTabOrder(add_, clear_);
    setTabOrder(clear_, close_);

    fill();
}

Top100Dialog::~Top100Dialog() = default;

void Top100Dialog::fill() {
    model_->removeRows(0, model_->rowCount());
    const NormaliseOptions options = context().prefs.normaliseOptions();
    for (size_t row = 0; row < chart_.rowCount(); ++row) {
        const LibraryRecord* record = chart_.rowRecord(row);
        QList<QStandardItem*> items;
        items << new QStandardItem(QString::number(row + 1))
              << new QStandardItem(QString::fromStdString(record->displayArtist(options)))
              << new QStandardItem(QString::fromStdString(record->displayTitle(options)))
              << new QStandardItem(QString::number(record->playCount));
        model_->appendRow(items);
    }
}

void Top100Dialog::fitColumns() {
    const int width = list_->viewport()->width();
    for (size_t column = 0; column < kColumnFractions.size(); ++column) {
        list_->setColumnWidth(int(column), int(width * kColumnFractions[column]));
    }
}

void Top100Dialog::resizeEvent(QResizeEvent* event) {
    SkinDialog::resizeEvent(event);
    fitColumns();
}

void Top100Dialog::showEvent(QShowEvent* event) {
    SkinDialog::showEvent(event);
    fitColumns();
}

void Top100Dialog::skinChanged() {
    add_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowAdd);
    clear_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowReset);
    close_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowClose);
}

std::optional<size_t> Top100Dialog::selectedRow() const {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return std::nullopt;
    }
    return size_t(rows.first().row());
}

void Top100Dialog::addSelected() {
    const std::optional<size_t> row = selectedRow();
    if (!row) {
        return;
    }
    (void)chart_.add(row);
    accept();
}

void Top100Dialog::addRow(size_t row) {
    (void)chart_.addAndTell(row);
}

void Top100Dialog::clearCounts() {
    if (!chart_.clear()) {
        return;
    }
    fill();
    if (onCleared_) {
        onCleared_();
    }
}

}  // namespace sonara::gui
