#include "gui/mainwnd/LibraryChoiceDialog.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/skin/SkinFiles.h"
#include "gui/skin/SkinCaptionButton.h"
#include "gui/skin/SkinLabel.h"

namespace sonara::gui {

LibraryChoiceDialog::LibraryChoiceDialog(SkinContext& context, const QString& title,
                                         const QString& caption, const QStringList& items,
                                         bool multiple, QWidget* parent)
    : SkinDialog(context, parent) {
    setWindowTitle(title);
    auto* label = new SkinLabel(context, caption, this);
    list_ = new QListWidget(this);
    list_->addItems(items);
    list_->setSelectionMode(multiple ? QAbstractItemView::ExtendedSelection
                                     : QAbstractItemView::SingleSelection);
    list_->setMinimumSize(220, 260);
    if (!multiple && list_->count() > 0) {
        list_->setCurrentRow(0);
    }

    ok_ = new SkinCaptionButton(context, this);
    ok_->setText(tr("OK"));
    ok_->setSkin(skin::kLargeButton, std::nullopt, skin::kRowOk);
    ok_->setDefault(true);
    auto* cancel = new SkinCaptionButton(context, this);
    cancel->setText(tr("Cancel"));
    cancel->setSkin(skin::kLargeButton, std::nullopt, skin::kRowCancel);
    connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);
    if (!multiple) {
        connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    setListsInListColours(true);
}

void LibraryChoiceDialog::setSelectedRows(const std::vector<int>& rows) {
    list_->clearSelection();
    for (int row : rows) {
        if (QListWidgetItem* item = list_->item(row)) {
            item->setSelected(true);
        }
    }
}

std::vector<int> LibraryChoiceDialog::selectedRows() const {
    std::vector<int> rows;
    for (const QListWidgetItem* item : list_->selectedItems()) {
        rows.push_back(list_->row(item));
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

}  // namespace sonara::gui
