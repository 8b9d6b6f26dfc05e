#include "gui/dialogs/tools/ToolListDialog.h"

#include <QHBoxLayout>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/settings/PreferenceStore.h"
#include "gui/controls/GradientProgress.h"
#include "gui/mainwnd/MainWindow.h"
#include "gui/skin/SkinCaptionButton.h"

namespace sonara::gui {

ToolListDialog::ToolListDialog(MainWindow& window, std::string_view placementKey,
                               const QStringList& columns, std::vector<double> columnShares)
    : SkinDialog(window.services().skin, &window),
      window_(window),
      placementKey_(placementKey),
      shares_(std::move(columnShares)) {
    setSizeGripEnabled(true);
    chooseFolder_ = [this](const QString& start) { return browseForFolder(this, start); };
    list_ = new QTreeWidget(this);
    list_->setColumnCount(int(columns.size()));
    list_->setHeaderLabels(columns);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setMinimumSize(420, 240);
    connect(list_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        if (!filling_ && column == 0) {
            rowChecked(size_t(list_->indexOfTopLevelItem(item)),
                       item->checkState(0) == Qt::Checked);
        }
    });

    buttons_ = new QWidget(this);
    column_ = new QVBoxLayout(buttons_);
    column_->setContentsMargins(0, 0, 0, 0);
    column_->setSpacing(4);
    progress_ = new GradientProgress(this);
    progress_->setFixedHeight(16);
    auto* side = new QVBoxLayout;
    side->setSpacing(4);
    side->addWidget(buttons_);
    side->addWidget(progress_);
    side->addStretch(1);
    below_ = new QVBoxLayout;
    below_->setSpacing(4);
    auto* top = new QHBoxLayout;
    top->setSpacing(4);
    top->addWidget(list_, 1);
    top->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(4);
    layout->addLayout(top, 1);
    layout->addLayout(below_);
    resize(680, 420);
    restoreToolSize(*this, window.services().skin.prefs, placementKey_);
    setListsInListColours(true);
}

SkinCaptionButton* ToolListDialog::addButton(const QString& text, int row) {
    auto* button = makeCaptionButton(window_.services().skin, text, row, buttons_);
    column_->addWidget(button, 0, Qt::AlignLeft);
    if (column_->count() == 1) {
        button->setDefault(true);
        setTabOrder(list_, button);
        skinChanged();
    }
    return button;
}

void ToolListDialog::done(int result) {
    storeToolPlacement(*this, window_.services().skin.prefs, placementKey_,
                       window_.services().prompter);
    SkinDialog::done(result);
}

void ToolListDialog::skinChanged() {
    progress_->setSkinColours(window_.services().skin.skin.fontInfo());
    // As wide as the button column above it.
    if (QLayoutItem* first = column_->itemAt(0)) {
        progress_->setFixedWidth(first->widget()->sizeHint().width());
    }
}

void ToolListDialog::chooseSearch() {
    if (const std::optional<Command> from = askSearchStart(window_)) {
        search(*from);
    }
}

QString ToolListDialog::pickFolder(const QString& start) {
    return chooseFolder_(start);
}

void ToolListDialog::setBusy(bool busy) {
    buttons_->setEnabled(!busy);
}

void ToolListDialog::clearRows() {
    list_->clear();
}

void ToolListDialog::uncheckRows() {
    filling_ = true;
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        list_->topLevelItem(i)->setCheckState(0, Qt::Unchecked);
    }
    filling_ = false;
}

void ToolListDialog::finishFill(int rows) {
    progress_->setRange(0, rows);
    progress_->setPosition(rows);
    const int width = list_->viewport()->width();
    for (size_t c = 0; c < shares_.size(); ++c) {
        list_->setColumnWidth(int(c), int(width * shares_[c]));
    }
}

}  // namespace sonara::gui
