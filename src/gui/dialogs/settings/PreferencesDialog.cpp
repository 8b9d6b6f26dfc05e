#include "gui/dialogs/settings/PreferencesDialog.h"

#include <QBoxLayout>
#include <QListWidget>
#include <QStackedWidget>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/skin/SkinFiles.h"
#include "gui/dialogs/settings/CheckPages.h"
#include "gui/dialogs/settings/PlaybackPage.h"
#include "gui/skin/SkinCaptionButton.h"

namespace sonara::gui {

namespace {

constexpr int kGap = 4;
constexpr int kMargin = 10;
constexpr int kListWidth = 120;

const std::array<const char*, PreferencesDialog::kPageCount> kPageNames = {
    QT_TRANSLATE_NOOP("PreferencesDialog", "General"),
    QT_TRANSLATE_NOOP("PreferencesDialog", "Library"),
    QT_TRANSLATE_NOOP("PreferencesDialog", "Player/Playlist"),
    QT_TRANSLATE_NOOP("PreferencesDialog", "Playback"),
    QT_TRANSLATE_NOOP("PreferencesDialog", "Visualization"),
};

SkinCaptionButton* captionButton(SkinContext& context, const QString& text, QWidget* parent) {
    auto* button = new SkinCaptionButton(context, parent);
    button->setText(text);
    button->setCaptionId(std::nullopt);
    return button;
}

}  // namespace

PreferencesDialog::PreferencesDialog(SkinContext& context, Prompter& prompter,
                                     PreferencesSetup setup, QWidget* parent)
    : SkinDialog(context, parent), prompter_(prompter) {
    list_ = new QListWidget(this);
    for (const char* name : kPageNames) {
        list_->addItem(tr(name));
    }
    list_->setFixedWidth(kListWidth);
    list_->setAccessibleName(tr("Pages"));

    stack_ = new QStackedWidget(this);
    general_ = new GeneralPage(context, stack_);
    library_ = new LibraryPage(context, stack_);
    player_ = new PlayerPage(context, std::move(setup.outsidePlayer), std::move(setup.pickGenres),
                             stack_);
    playback_ = new PlaybackPage(context, setup.devices, setup.currentDevice, stack_);
    visualization_ = new VisualizationPage(context, stack_);
    pages_ = {general_, library_, player_, playback_, visualization_};
    const Preferences& values = context.prefs.values();
    for (PreferencePage* page : pages_) {
        page->load(values);
        stack_->addWidget(page);
    }

    ok_ = captionButton(context, tr("OK"), this);
    ok_->setDefault(true);
    cancel_ = captionButton(context, tr("Cancel"), this);
    skinChanged();
    connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QAbstractButton::clicked, this, &QDialog::reject);

    auto* pagesRow = new QHBoxLayout;
    pagesRow->setSpacing(kMargin);
    pagesRow->addWidget(list_);
    pagesRow->addWidget(stack_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(kGap);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kMargin);
    layout->addLayout(pagesRow, 1);
    layout->addLayout(buttons);

    // A stored page that is no page opens the first.
    const int stored = values.lastPrefPageOn;
    select(stored >= 0 && stored < kPageCount ? stored : 0);
    connect(list_, &QListWidget::currentRowChanged, this, &PreferencesDialog::pageChosen);
    setTabOrder(list_, stack_);
    setTabOrder(stack_, ok_);
    setTabOrder(ok_, cancel_);
}

void PreferencesDialog::skinChanged() {
    ok_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowOk);
    cancel_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowCancel);
}

void PreferencesDialog::select(int index) {
    current_ = index;
    {
        const QSignalBlocker quiet(list_);
        list_->setCurrentRow(index);
    }
    stack_->setCurrentIndex(index);
    setWindowTitle(QString::fromStdString(
        formatText(TextId::PreferencesTitle, list_->item(index)->text().toStdString())));
}

bool PreferencesDialog::pageAccepts(int index) {
    const Status valid = pages_[static_cast<size_t>(index)]->validate();
    if (valid) {
        return true;
    }
    prompter_.message(valid.error(), Icon::Exclamation);
    if (QWidget* field = pages_[static_cast<size_t>(index)]->invalidField()) {
        field->setFocus(Qt::OtherFocusReason);
    }
    return false;
}

bool PreferencesDialog::showPage(int index) {
    if (index < 0 || index >= kPageCount) {
        return false;
    }
    if (index != current_ && current_ >= 0 && !pageAccepts(current_)) {
        select(current_);
        return false;
    }
    select(index);
    return true;
}

void PreferencesDialog::pageChosen(int row) {
    if (row >= 0) {
        (void)showPage(row);
    }
}

bool PreferencesDialog::validate() {
    for (int index = 0; index < kPageCount; ++index) {
        if (pages_[static_cast<size_t>(index)]->validate()) {
            continue;
        }
        select(index);
        (void)pageAccepts(index);
        return false;
    }
    return true;
}

void PreferencesDialog::storeInto(Preferences& values) const {
    for (const PreferencePage* page : pages_) {
        page->store(values);
    }
    values.lastPrefPageOn = current_;
}

}  // namespace sonara::gui
