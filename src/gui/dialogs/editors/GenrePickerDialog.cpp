#include "gui/dialogs/editors/GenrePickerDialog.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/metadata/GenrePicker.h"
#include "core/skin/SkinFiles.h"
#include "gui/dialogs/editors/DialogButtons.h"
#include "gui/skin/SkinCaptionButton.h"

namespace sonara::gui {

namespace {

SkinCaptionButton* captionButton(SkinContext& context, const QString& caption, QWidget* parent) {
    auto* button = new SkinCaptionButton(context, parent);
    button->setText(caption);
    return button;
}

}  // namespace

GenrePickerDialog::GenrePickerDialog(SkinContext& context, GenrePicker& picker, Prompter& prompter,
                                     QWidget* parent)
    : SkinDialog(context, parent), picker_(picker), prompter_(prompter) {
    setWindowTitle(QString::fromStdString(stringText(TextId::SelectGenreTitle)));
    const bool multiple = picker.settings().multiple;
    list_ = new QListWidget(this);
    list_->setSelectionMode(multiple ? QAbstractItemView::ExtendedSelection
                                     : QAbstractItemView::SingleSelection);
    list_->setMinimumSize(220, 300);
    for (size_t row = 0; row < picker.count(); ++row) {
        auto* item = new QListWidgetItem(QString::fromStdString(picker.name(row)), list_);
        item->setSelected(picker.isSelected(row));
    }
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    selectAll_ = captionButton(context, tr("Select All"), this);
    clearAll_ = captionButton(context, tr("Clear All"), this);
    selectAll_->setVisible(picker.showsSelectAllButtons());
    clearAll_->setVisible(picker.showsSelectAllButtons());
    connect(selectAll_, &QAbstractButton::clicked, list_, &QListWidget::selectAll);
    connect(clearAll_, &QAbstractButton::clicked, list_, &QListWidget::clearSelection);
    const OkCancelButtons okCancel = makeOkCancel(context, this);
    ok_ = okCancel.ok;
    cancel_ = okCancel.cancel;
    skinChanged();

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(4);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addSpacing(10);
    buttons->addWidget(selectAll_);
    buttons->addWidget(clearAll_);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    setListsInListColours(true);
    list_->setFocus();
}

bool GenrePickerDialog::validate() {
    for (int row = 0; row < list_->count(); ++row) {
        picker_.setSelected(static_cast<size_t>(row), list_->item(row)->isSelected());
    }
    if (!picker_.accept()) {
        prompter_.message(stringText(TextId::SelectOneGenre), Icon::Exclamation);
        return false;
    }
    return true;
}

void GenrePickerDialog::skinChanged() {
    skinOkCancel({ok_, cancel_});
    selectAll_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowSelect);
    clearAll_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowClearAll);
}

}  // namespace sonara::gui
