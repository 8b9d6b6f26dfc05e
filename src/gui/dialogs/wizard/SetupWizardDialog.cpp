#include "gui/dialogs/wizard/SetupWizardDialog.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/app/StringTable.h"
#include "core/library/LibraryScans.h"
#include "core/settings/PreferenceStore.h"
#include "core/skin/SkinFiles.h"
#include "gui/skin/SkinCaptionButton.h"
#include "gui/skin/SkinLabel.h"
#include "gui/skin/SkinPicture.h"

namespace sonara::gui {

namespace {

// Layout aid of every dialog: gap 4, margin 10.
constexpr int kGap = 4;
constexpr int kMargin = 10;
constexpr int kPictureWidth = 150;
constexpr int kListHeight = 84;

QString qText(TextId id) {
    return QString::fromStdString(stringText(id));
}

SkinCaptionButton* captionButton(SkinContext& context, TextId caption, QWidget* parent) {
    auto* button = new SkinCaptionButton(context, parent);
    button->setText(qText(caption));
    button->setCaptionId(caption);
    button->setAutoDefault(false);
    return button;
}

QListWidget* checkList(QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setFixedHeight(kListHeight);
    // The check marks are the choice; a selection bar would only hide them.
    list->setSelectionMode(QAbstractItemView::NoSelection);
    return list;
}

void fillList(QListWidget& list, const std::vector<WizardDrive>& drives) {
    list.clear();
    for (const WizardDrive& drive : drives) {
        auto* item = new QListWidgetItem(QString::fromStdString(driveEntryText(drive)), &list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(drive.checked ? Qt::Checked : Qt::Unchecked);
    }
    if (list.count() > 0) {
        list.setCurrentRow(0);
    }
}

// The list's check marks into the drives it was filled from.
void takeChecks(const QListWidget& list, std::vector<WizardDrive>& drives) {
    for (int row = 0; row < list.count() && row < int(drives.size()); ++row) {
        drives[size_t(row)].checked = list.item(row)->checkState() == Qt::Checked;
    }
}

bool anyChecked(const QListWidget& list) {
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->checkState() == Qt::Checked) {
            return true;
        }
    }
    return false;
}

// A control keeps its room while hidden, so the dialog does not jump as its
// pages fill it up.
void keepRoom(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

}  // namespace

SetupWizardDialog::SetupWizardDialog(SkinContext& context, LibraryScope& scope, WizardSkips skips,
                                     std::function<void()> songsAdded, QWidget* parent)
    : SkinDialog(context, parent),
      scope_(scope),
      skips_(std::move(skips)),
      songsAdded_(std::move(songsAdded)) {
    setWindowTitle(qText(TextId::WizardTitle));
    picture_ = new SkinPicture(context, this);
    picture_->setFixedWidth(kPictureWidth);

    // Created in Tab order.
    drivesLabel_ = new SkinLabel(context, qText(TextId::WizardDrivesLabel), this);
    driveList_ = checkList(this);
    questionLabel_ = new SkinLabel(context, qText(TextId::WizardRemovableQuestion), this);
    no_ = new QRadioButton(qText(TextId::WizardNo), this);
    yes_ = new QRadioButton(qText(TextId::WizardYes), this);
    auto* answers = new QButtonGroup(this);
    answers->addButton(no_);
    answers->addButton(yes_);
    no_->setChecked(true);
    removableLabel_ = new SkinLabel(context, qText(TextId::WizardRemovableLabel), this);
    removableList_ = checkList(this);
    insertLabel_ = new SkinLabel(context, qText(TextId::WizardInsertMedia), this);
    add_ = captionButton(context, TextId::WizardAdd, this);
    cancel_ = captionButton(context, TextId::WizardCancel, this);
    prev_ = captionButton(context, TextId::WizardPrev, this);
    next_ = captionButton(context, TextId::WizardNext, this);
    next_->setDefault(true);
    skinChanged();
    buildLayout();

    connect(yes_, &QRadioButton::toggled, this, [this](bool on) { pages_.setSearchRemovable(on); });
    connect(add_, &QPushButton::clicked, this, &SetupWizardDialog::addMedia);
    connect(cancel_, &QPushButton::clicked, this, &SetupWizardDialog::reject);
    connect(prev_, &QPushButton::clicked, this, &SetupWizardDialog::prev);
    connect(next_, &QPushButton::clicked, this, &SetupWizardDialog::next);
    showPage();
}

void SetupWizardDialog::buildLayout() {
    for (QWidget* widget :
         std::initializer_list<QWidget*>{drivesLabel_, driveList_, questionLabel_, no_, yes_,
                                         removableLabel_, removableList_, insertLabel_, add_}) {
        keepRoom(widget);
    }
    auto* answers = new QHBoxLayout;
    answers->setSpacing(kMargin);
    answers->addWidget(no_);
    answers->addWidget(yes_);
    answers->addStretch();
    auto* insert = new QHBoxLayout;
    insert->setSpacing(kGap);
    insert->addWidget(insertLabel_, 1);
    insert->addWidget(add_);

    auto* page = new QVBoxLayout;
    page->setSpacing(kGap);
    page->addWidget(drivesLabel_);
    page->addWidget(driveList_);
    page->addSpacing(kMargin);
    page->addWidget(questionLabel_);
    page->addLayout(answers);
    page->addSpacing(kMargin);
    page->addWidget(removableLabel_);
    page->addWidget(removableList_);
    page->addSpacing(kMargin);
    page->addLayout(insert);
    page->addStretch();

    auto* body = new QHBoxLayout;
    body->setSpacing(kMargin);
    body->addWidget(picture_, 0, Qt::AlignTop);
    body->addLayout(page, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(kGap);
    buttons->addStretch();
    buttons->addWidget(cancel_);
    buttons->addSpacing(kMargin);
    buttons->addWidget(prev_);
    buttons->addWidget(next_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kMargin);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    setMinimumWidth(520);
}

void SetupWizardDialog::skinChanged() {
    // The skin's logo, as wide as the picture column, on the dialog's own
    // background.
    const QImage& logo = context().skin.bitmap(skin::kLogo);
    picture_->setImage(logo.isNull() ? QImage()
                                     : logo.scaledToWidth(kPictureWidth, Qt::SmoothTransformation));
    add_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowAdd);
    cancel_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowCancel);
    prev_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowPrevious);
    next_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowNext);
}

void SetupWizardDialog::showEvent(QShowEvent* event) {
    SkinDialog::showEvent(event);
    if (pages_.page() != 0 || !drives_.empty()) {
        return;
    }
    drives_ = listSearchDrives(scope_.drives);
    fillList(*driveList_, drives_);
    pages_.start();
    showPage();
    driveList_->setFocus();
}

void SetupWizardDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (next_->isEnabled()) {
            next();
        }
        return;
    }
    SkinDialog::keyPressEvent(event);
}

void SetupWizardDialog::next() {
    switch (pages_.next(anyChecked(*removableList_), scope_.prompter)) {
        case WizardPages::Step::SearchDrives:
            searchDrives();
            break;
        case WizardPages::Step::ListRemovable:
            removable_ = listRemovableDrives(scope_.drives);
            fillList(*removableList_, removable_);
            break;
        case WizardPages::Step::Finish:
            showPage();
            accept();
            return;
        case WizardPages::Step::Show:
        case WizardPages::Step::Stay:
            break;
    }
    showPage();
}

void SetupWizardDialog::prev() {
    pages_.prev();
    showPage();
}

void SetupWizardDialog::searchDrives() {
    takeChecks(*driveList_, drives_);
    const bool promptForName = context().prefs.values().promptForCollectionName != 0;
    setBusy(true);
    const WizardSearchStep step = searchAndAddDrives(drives_, skips_, scope_, promptForName);
    setBusy(false);
    // Songs added before a Cancel or a failed folder are whole records.
    if (step.added.added > 0 && songsAdded_) {
        songsAdded_();
    }
    pages_.searchDone(step.cancelled);
}

void SetupWizardDialog::addMedia() {
    takeChecks(*removableList_, removable_);
    const bool promptForName = context().prefs.values().promptForCollectionName != 0;
    setBusy(true);
    const int added = addRemovableMedia(removable_, scope_, promptForName);
    setBusy(false);
    if (added > 0 && songsAdded_) {
        songsAdded_();
    }
    showPage();
}

void SetupWizardDialog::setBusy(bool busy) {
    pages_.setBusy(busy);
    showPage();
}

void SetupWizardDialog::showPage() {
    for (QWidget* widget :
         {static_cast<QWidget*>(drivesLabel_), static_cast<QWidget*>(driveList_)}) {
        widget->setVisible(pages_.showsDriveList());
    }
    for (QWidget* widget : std::initializer_list<QWidget*>{questionLabel_, no_, yes_}) {
        widget->setVisible(pages_.showsRemovableQuestion());
    }
    for (QWidget* widget : std::initializer_list<QWidget*>{removableLabel_, removableList_}) {
        widget->setVisible(pages_.showsRemovableList());
    }
    for (QWidget* widget : std::initializer_list<QWidget*>{insertLabel_, add_}) {
        widget->setVisible(pages_.showsInsertMedia());
    }
    prev_->setEnabled(pages_.prevEnabled());
    next_->setEnabled(pages_.navigationEnabled());
    add_->setEnabled(pages_.navigationEnabled());
    applyControlColours();
}

void SetupWizardDialog::reject() {
    if (pages_.busy() || !WizardPages::confirmCancel(scope_.prompter)) {
        return;
    }
    SkinDialog::reject();
}

}  // namespace sonara::gui
