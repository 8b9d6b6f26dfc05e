#include "gui/dialogs/tools/RenameFromTagsDialog.h"

#include <QTreeWidget>

#include "core/app/DataFileSaver.h"
#include "core/app/Prompter.h"
#include "core/settings/PreferenceStore.h"
#include "core/settings/WindowPlacement.h"
#include "core/skin/SkinFiles.h"
#include "gui/mainwnd/MainPanes.h"
#include "gui/mainwnd/MainWindow.h"
#include "gui/skin/SkinCaptionButton.h"

namespace sonara::gui {

namespace {

enum Column { kProcess, kTagInfo, kNewName, kOldName, kFolder };

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

RenameFromTagsDialog::RenameFromTagsDialog(MainWindow& window)
    : ToolListDialog(
          window, placementKey::kRenameFromTags,
          {tr("Process"), tr("TagInfo"), tr("New Filename"), tr("Old Filename"), tr("Folder")},
          {0.10, 0.10, 0.30, 0.30, 0.20}),
      session_(window.services().prompter) {
    setWindowTitle(tr("Rename Files Based on Tag Info"));
    list()->setMinimumWidth(520);
    connect(list(), &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { toggleRow(item); });
    connect(addButton(tr("Search"), skin::kRowSearch), &QAbstractButton::clicked, this,
            &RenameFromTagsDialog::chooseSearch);
    connect(addButton(tr("Rename"), skin::kRowRename), &QAbstractButton::clicked, this,
            &RenameFromTagsDialog::renameChecked);
    // The tag editor is not part of this window yet.
    addButton(tr("Tag Info"), skin::kRowTagInfo)->setEnabled(false);
    connect(addButton(tr("Clear All"), skin::kRowClearAll), &QAbstractButton::clicked, this,
            &RenameFromTagsDialog::clearAll);
    connect(addButton(tr("Cancel"), skin::kRowCancel), &QAbstractButton::clicked, this,
            &QDialog::reject);
    resize(720, 420);
    restoreToolSize(*this, window.services().skin.prefs, placementKey::kRenameFromTags);
}

RenameFromTagsDialog::~RenameFromTagsDialog() = default;

void RenameFromTagsDialog::search(Command from) {
    // The browser starts empty here.
    if (searchWith(session_, from, QString())) {
        fill();
    }
}

void RenameFromTagsDialog::fill() {
    filling_ = true;
    list()->clear();
    const std::vector<RenameCandidate>& candidates = session_.candidates();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(int(candidates.size()));
    for (const RenameCandidate& candidate : candidates) {
        auto* row = new QTreeWidgetItem({QString(), candidate.hasTag ? tr("yes") : tr("no"),
                                         qt(candidate.newName), qt(candidate.oldName),
                                         qt(candidate.folder)});
        row->setCheckState(kProcess, candidate.process ? Qt::Checked : Qt::Unchecked);
        if (!candidate.hasTag) {
            // Nothing to rename it to: the tick would be skipped anyway.
            row->setFlags(row->flags() & ~Qt::ItemIsUserCheckable);
        }
        rows.append(row);
    }
    list()->addTopLevelItems(rows);
    finishFill(int(candidates.size()));
    filling_ = false;
}

void RenameFromTagsDialog::toggleRow(QTreeWidgetItem* item) {
    const size_t row = size_t(list()->indexOfTopLevelItem(item));
    if (row < session_.candidates().size() && session_.candidates()[row].hasTag) {
        item->setCheckState(
            kProcess, item->checkState(kProcess) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
}

void RenameFromTagsDialog::rowChecked(size_t row, bool checked) {
    if (row < session_.candidates().size() && session_.candidates()[row].process != checked) {
        (void)session_.toggle(row);
    }
}

void RenameFromTagsDialog::clearAll() {
    session_.clearAll();
    uncheckRows();
}

void RenameFromTagsDialog::renameChecked() {
    MainServices& services = window().services();
    // Records may be renamed and moved while the list shows them.
    window().panes().libraryChanging();
    setBusy(true);
    const RenameApplied applied = session_.apply(services.library, services.pathCache);
    setBusy(false);
    window().panes().libraryChanged();
    if (applied.recordsMoved > 0) {
        services.saver.saveDataFiles();
    }
}

}  // namespace sonara::gui
