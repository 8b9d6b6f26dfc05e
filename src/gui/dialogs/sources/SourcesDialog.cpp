#include "gui/dialogs/sources/SourcesDialog.h"

#include <QFileDialog>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/io/FileAttributes.h"
#include "core/library/SourcesDialogModel.h"
#include "core/settings/PreferenceStore.h"
#include "core/skin/SkinFiles.h"
#include "gui/dialogs/sources/DialogParts.h"
#include "gui/skin/SkinCaptionButton.h"
#include "gui/skin/SkinLabel.h"

namespace sonara::gui {

SourcesDialog::SourcesDialog(SkinContext& context, SourcesList& sources, Prompter& prompter,
                             FolderChooser chooser, std::function<void()> changed, QWidget* parent)
    : SkinDialog(context, parent),
      model_(std::make_unique<SourcesDialogModel>(sources)),
      prompter_(prompter),
      chooser_(std::move(chooser)),
      changed_(std::move(changed)) {
    setWindowTitle(dialog_parts::text(TextId::SourcesTitle));
    auto* caption = new SkinLabel(context, dialog_parts::text(TextId::SourcesListCaption), this);
    list_ = new QListWidget(this);
    list_->setMinimumSize(380, 220);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    add_ = dialog_parts::button(context, TextId::SourcesAddButton, this);
    delete_ = dialog_parts::button(context, TextId::SourcesDeleteButton, this);
    close_ = dialog_parts::button(context, TextId::SourcesCloseButton, this);
    close_->setDefault(true);
    skinChanged();
    connect(add_, &QAbstractButton::clicked, this, &SourcesDialog::addFolder);
    connect(delete_, &QAbstractButton::clicked, this, &SourcesDialog::deleteSelected);
    connect(close_, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::currentRowChanged, this, &SourcesDialog::updateButtons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(4);
    layout->addWidget(caption);
    layout->addLayout(dialog_parts::listWithButtons(list_, {add_, delete_}, close_), 1);
    setTabOrder(list_, add_);
    setTabOrder(add_, delete_);
    setTabOrder(delete_, close_);

    refill(0);
    list_->setFocus();
}

SourcesDialog::~SourcesDialog() = default;

QString SourcesDialog::browseForFolder(QWidget* parent, const QString& start) {
    return QFileDialog::getExistingDirectory(parent, dialog_parts::text(TextId::BrowseForFolder),
                                             start);
}

void SourcesDialog::refill(int selectRow) {
    list_->clear();
    for (const std::string& folder : model_->rows()) {
        list_->addItem(QString::fromStdString(folder));
    }
    if (list_->count() > 0) {
        list_->setCurrentRow(std::clamp(selectRow, 0, list_->count() - 1));
    }
    updateButtons();
}

void SourcesDialog::updateButtons() {
    delete_->setEnabled(list_->currentRow() >= 0);
}

void SourcesDialog::addFolder() {
    Preferences& prefs = context().prefs.values();
    const QString chosen = chooser_(this, QString::fromStdString(prefs.lastUsedFolder));
    if (chosen.isEmpty()) {
        return;
    }
    const std::string folder = chosen.toStdString();
    // The browser only offers folders that exist, but one may go before the
    // source is made.
    if (!files::isDirectory(folder)) {
        prompter_.message(formatText(TextId::UnableToFindNamed, folder), Icon::Exclamation);
        return;
    }
    const SourcesDialogModel::AddOutcome outcome = model_->add(folder, prefs, prompter_);
    if (const Status saved = context().prefs.saveAll(); !saved) {
        prompter_.message(saved.error(), Icon::Exclamation);
    }
    if (outcome != SourcesDialogModel::AddOutcome::Added) {
        return;
    }
    refill(int(model_->rows().size()) - 1);
    changed_();
}

void SourcesDialog::deleteSelected() {
    const int row = list_->currentRow();
    if (row < 0 || !model_->removeRow(size_t(row))) {
        return;
    }
    refill(row);
    changed_();
}

void SourcesDialog::skinChanged() {
    add_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowAdd);
    delete_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowDelete);
    close_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowClose);
}

}  // namespace sonara::gui
