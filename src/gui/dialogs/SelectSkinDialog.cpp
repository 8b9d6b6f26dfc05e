#include "gui/dialogs/SelectSkinDialog.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>

#include "core/app/StringTable.h"
#include "core/settings/PreferenceStore.h"
#include "core/skin/SkinFiles.h"
#include "core/skin/SkinFolder.h"
#include "gui/app/SkinSwitcher.h"
#include "gui/skin/SkinCaptionButton.h"
#include "gui/skin/SkinLabel.h"

namespace sonara::gui {

SelectSkinDialog::SelectSkinDialog(SkinContext& context, SkinSwitcher& switcher, QWidget* parent)
    : SkinDialog(context, parent), switcher_(switcher) {
    setWindowTitle("Select Skin");
    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    folder_ = new QLabel(this);
    folder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    browse_ = new SkinCaptionButton(context, this);
    ok_ = new SkinCaptionButton(context, this);
    cancel_ = new SkinCaptionButton(context, this);
    browse_->setText("Browse");
    ok_->setText("OK");
    cancel_->setText("Cancel");
    assignButtonStrips();

    auto* nameLabel = new SkinLabel(context, "Skin Name", this);
    auto* folderLabel = new SkinLabel(context, "Skins Folder", this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(nameLabel, 0, 0, 1, 2);
    layout->addWidget(list_, 1, 0, 1, 2);
    layout->addWidget(folderLabel, 2, 0, 1, 2);
    layout->addWidget(folder_, 3, 0);
    layout->addWidget(browse_, 3, 1, Qt::AlignRight);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons, 4, 0, 1, 2);
    layout->setColumnStretch(0, 1);

    connect(browse_, &QPushButton::clicked, this, &SelectSkinDialog::browse);
    connect(ok_, &QPushButton::clicked, this, &SelectSkinDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &SelectSkinDialog::reject);
    connect(list_, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* item, QListWidgetItem*) { onCurrentChanged(item); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });

    fillList();
    resize(360, 300);
}

QString SelectSkinDialog::folderText() const {
    return folder_->text();
}

bool SelectSkinDialog::okEnabled() const {
    return ok_->isEnabled();
}

void SelectSkinDialog::assignButtonStrips() {
    browse_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowBrowse);
    ok_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowOk);
    cancel_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowCancel);
}

void SelectSkinDialog::fillList() {
    filling_ = true;
    list_->clear();
    const std::string folder = context().prefs.skinsFolder();
    folder_->setText(QString::fromStdString(folder));
    for (const std::string& name : skin::listSkins(folder)) {
        list_->addItem(QString::fromStdString(name));
    }
    ok_->setEnabled(list_->count() > 0);
    selectCurrent();
    filling_ = false;
}

void SelectSkinDialog::selectCurrent() {
    const bool wasFilling = filling_;
    filling_ = true;
    const QString current = QString::fromStdString(context().prefs.values().currentSkin);
    const auto found = list_->findItems(current, Qt::MatchExactly | Qt::MatchCaseSensitive);
    list_->setCurrentItem(found.isEmpty() ? nullptr : found.first());
    filling_ = wasFilling;
}

QString SelectSkinDialog::chooseFolder(const QString& start) {
    return QFileDialog::getExistingDirectory(
        this, QString::fromStdString(stringText(TextId::BrowseForFolder)), start);
}

void SelectSkinDialog::browse() {
    QString chosen = chooseFolder(QString::fromStdString(context().prefs.skinsFolder()));
    if (chosen.isEmpty()) {
        return;
    }
    if (!chosen.endsWith('/')) {
        chosen += '/';
    }
    context().prefs.setSkinsFolder(chosen.toStdString());
    fillList();
}

void SelectSkinDialog::choose(const QString& name) {
    const auto found = list_->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!found.isEmpty()) {
        list_->setCurrentItem(found.first());
    }
}

void SelectSkinDialog::onCurrentChanged(QListWidgetItem* item) {
    if (filling_ || item == nullptr) {
        return;
    }
    const std::string name = item->text().toStdString();
    if (name == context().prefs.values().currentSkin &&
        context().skin.folder() == context().prefs.currentSkinFolder()) {
        return;
    }
    if (!switcher_.select(name, this)) {
        // A skin that cannot be used is refused without a word; the list
        // shows the skin still in effect.
        selectCurrent();
        return;
    }
    update();
    emit skinApplied();
    list_->setFocus();
}

void SelectSkinDialog::skinChanged() {
    assignButtonStrips();
}

}  // namespace sonara::gui
