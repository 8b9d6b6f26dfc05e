#include "gui/dialogs/tools/SpaceMakerDialog.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/app/DataFileSaver.h"
#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/settings/PreferenceStore.h"
#include "core/settings/WindowPlacement.h"
#include "core/skin/SkinFiles.h"
#include "core/tools/duplicates/DeletedCopies.h"
#include "gui/dialogs/tools/SpaceMakerOptionsDialog.h"
#include "gui/mainwnd/MainPanes.h"
#include "gui/mainwnd/MainWindow.h"
#include "gui/skin/SkinCaptionButton.h"

namespace sonara::gui {

namespace {

enum Column { kDel, kFileName, kSize, kFolder };

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

SpaceMakerDialog::SpaceMakerDialog(MainWindow& window)
    : ToolListDialog(window, placementKey::kDuplicateFinder,
                     {tr("Del"), tr("Filename"), tr("Size"), tr("Folder")},
                     {0.07, 0.43, 0.15, 0.35}),
      preferences_(window.services().skin.prefs.values(),
                   [&window] {
                       reportSave(window.services().skin.prefs.saveAll(),
                                  window.services().prompter);
                   }),
      session_(preferences_, window.services().prompter) {
    setWindowTitle(qt(stringText(TextId::SpaceMakerTitle)));
    connect(list(), &QTreeWidget::itemDoubleClicked, this, [](QTreeWidgetItem* item) {
        item->setCheckState(kDel,
                            item->checkState(kDel) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    });
    connect(addButton(tr("Search"), skin::kRowSearch), &QAbstractButton::clicked, this,
            &SpaceMakerDialog::chooseSearch);
    connect(addButton(tr("Delete"), skin::kRowDelete), &QAbstractButton::clicked, this,
            &SpaceMakerDialog::deleteChecked);
    connect(addButton(tr("Options"), skin::kRowOptions), &QAbstractButton::clicked, this,
            &SpaceMakerDialog::openOptions);
    connect(addButton(tr("Clear All"), skin::kRowClearAll), &QAbstractButton::clicked, this,
            &SpaceMakerDialog::clearAll);
    connect(addButton(tr("Close"), skin::kRowClose), &QAbstractButton::clicked, this,
            &QDialog::reject);
    found_ = new QLabel(this);
    marked_ = new QLabel(this);
    belowList()->addWidget(found_);
    belowList()->addWidget(marked_);
    showTotals();
}

SpaceMakerDialog::~SpaceMakerDialog() = default;

void SpaceMakerDialog::search(Command from) {
    if (searchWith(session_, from, qt(session_.browseStart()))) {
        fill();
        (void)session_.tellWhenNoneFound();
    }
}

void SpaceMakerDialog::fill() {
    filling_ = true;
    list()->clear();
    const std::vector<DuplicateEntry>& entries = session_.entries();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(int(entries.size()));
    for (const DuplicateEntry& entry : entries) {
        auto* row = new QTreeWidgetItem(
            {QString(), qt(entry.fileName), QString::number(entry.size), qt(entry.folder)});
        row->setCheckState(kDel, entry.marked ? Qt::Checked : Qt::Unchecked);
        rows.append(row);
    }
    list()->addTopLevelItems(rows);
    finishFill(int(entries.size()));
    filling_ = false;
    showTotals();
}

void SpaceMakerDialog::rowChecked(size_t row, bool checked) {
    if (row < session_.entries().size() && session_.entries()[row].marked != checked) {
        (void)session_.toggle(row);
    }
    showTotals();
}

void SpaceMakerDialog::clearAll() {
    session_.clearAll();
    uncheckRows();
    showTotals();
}

void SpaceMakerDialog::deleteChecked() {
    // The deletion empties the session's list; what it deleted is judged
    // against this copy.
    const std::vector<DuplicateEntry> before = session_.entries();
    setBusy(true);
    const DeletionResult result = session_.deleteMarked();
    setBusy(false);
    if (!result.asked) {
        return;
    }
    MainServices& services = window().services();
    const DeletedCopies gone = findDeletedCopies(before, services.library, services.pathCache);
    if (gone.touchesLibrary()) {
        window().panes().libraryChanging();
        forgetDeletedCopies(gone, services.library, services.pathCache);
        window().panes().libraryChanged();
        services.saver.saveDataFiles();
    }
    fill();
}

void SpaceMakerDialog::openOptions() {
    SpaceMakerOptionsDialog dialog(window().services().skin, session_.options(), this);
    if (dialog.exec() == QDialog::Accepted) {
        session_.options() = dialog.options();
        session_.storeOptions();
    }
}

QString SpaceMakerDialog::foundText() const {
    return found_->text();
}

QString SpaceMakerDialog::markedText() const {
    return marked_->text();
}

void SpaceMakerDialog::showTotals() {
    found_->setText(qt(session_.totalFoundLine()));
    marked_->setText(qt(session_.totalMarkedLine()));
}

}  // namespace sonara::gui
