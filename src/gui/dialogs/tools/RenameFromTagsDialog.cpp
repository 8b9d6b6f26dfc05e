#include "gui/dialogs/tools/RenameFromTagsDialog.h"

#include <QHBoxLayout>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/app/DataFileSaver.h"
#include "core/app/Prompter.h"
#include "core/settings/PreferenceStore.h"
#include "core/settings/WindowPlacement.h"
#include "core/skin/SkinFiles.h"
#include "gui/controls/GradientProgress.h"
#include "gui/mainwnd/MainPanes.h"
#include "gui/mainwnd/MainWindow.h"
#include "gui/skin/SkinCaptionButton.h"

namespace sonara::gui {

namespace {

enum Column { kProcess, kTagInfo, kNewName, kOldName, kFolder };

// Column widths as shares of the list's width.
constexpr double kShares[] = {0.10, 0.10, 0.30, 0.30, 0.20};

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

RenameFromTagsDialog::RenameFromTagsDialog(MainWindow& window)
    : SkinDialog(window.services().skin, &window),
      window_(window),
      session_(window.services().prompter) {
    SkinContext& context = window.services().skin;
    setWindowTitle(tr("Rename Files Based on Tag Info"));
    setSizeGripEnabled(true);
    chooseFolder_ = [this](const QString& start) { return browseForFolder(this, start); };

    list_ = new QTreeWidget(this);
    list_->setColumnCount(5);
    list_->setHeaderLabels(
        {tr("Process"), tr("TagInfo"), tr("New Filename"), tr("Old Filename"), tr("Folder")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setMinimumSize(520, 260);
    connect(list_, &QTreeWidget::itemChanged, this, &RenameFromTagsDialog::checkChanged);
    connect(list_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { toggleRow(item); });

    auto* search = makeCaptionButton(context, tr("Search"), skin::kRowSearch, this);
    search->setDefault(true);
    auto* rename = makeCaptionButton(context, tr("Rename"), skin::kRowRename, this);
    auto* tagInfo = makeCaptionButton(context, tr("Tag Info"), skin::kRowTagInfo, this);
    // The tag editor is not part of this window yet.
    tagInfo->setEnabled(false);
    auto* clear = makeCaptionButton(context, tr("Clear All"), skin::kRowClearAll, this);
    auto* cancel = makeCaptionButton(context, tr("Cancel"), skin::kRowCancel, this);
    connect(search, &QAbstractButton::clicked, this, &RenameFromTagsDialog::chooseSearch);
    connect(rename, &QAbstractButton::clicked, this, &RenameFromTagsDialog::renameChecked);
    connect(clear, &QAbstractButton::clicked, this, &RenameFromTagsDialog::clearAll);
    connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);
    progress_ = new GradientProgress(this);
    progress_->setSkinColours(context.skin.fontInfo());
    progress_->setFixedHeight(16);

    buttons_ = new QWidget(this);
    auto* column = new QVBoxLayout(buttons_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    for (QWidget* button : {static_cast<QWidget*>(search), static_cast<QWidget*>(rename),
                            static_cast<QWidget*>(tagInfo), static_cast<QWidget*>(clear),
                            static_cast<QWidget*>(cancel)}) {
        column->addWidget(button);
    }
    auto* side = new QVBoxLayout;
    side->setSpacing(4);
    side->addWidget(buttons_);
    side->addWidget(progress_);
    side->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(4);
    layout->addWidget(list_, 1);
    layout->addLayout(side);
    setTabOrder(list_, search);
    resize(720, 420);
    restoreToolSize(*this, context.prefs, placementKey::kRenameFromTags);
    setListsInListColours(true);
}

RenameFromTagsDialog::~RenameFromTagsDialog() = default;

void RenameFromTagsDialog::done(int result) {
    storeToolPlacement(*this, window_.services().skin.prefs, placementKey::kRenameFromTags,
                       window_.services().prompter);
    SkinDialog::done(result);
}

void RenameFromTagsDialog::skinChanged() {
    progress_->setSkinColours(window_.services().skin.skin.fontInfo());
}

void RenameFromTagsDialog::chooseSearch() {
    if (const std::optional<Command> from = askSearchStart(window_)) {
        search(*from);
    }
}

void RenameFromTagsDialog::search(Command from) {
    if (from == Command::DuplicatesInSources) {
        session_.useSources(window_.services().sources);
    } else if (from == Command::DuplicatesByFolder) {
        QString chosen = chooseFolder_(QString());
        if (chosen.isEmpty()) {
            return;
        }
        if (const Status picked = session_.useFolders({chosen.toStdString()}); !picked) {
            window_.services().prompter.message(picked.error(), Icon::Exclamation);
            return;
        }
    } else {
        return;
    }
    list_->clear();
    buttons_->setEnabled(false);
    session_.search();
    buttons_->setEnabled(true);
    fill();
}

void RenameFromTagsDialog::fill() {
    filling_ = true;
    list_->clear();
    const std::vector<RenameCandidate>& candidates = session_.candidates();
    progress_->setRange(0, int(candidates.size()));
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
    list_->addTopLevelItems(rows);
    progress_->setPosition(int(candidates.size()));
    const int width = list_->viewport()->width();
    for (int c = kProcess; c <= kFolder; ++c) {
        list_->setColumnWidth(c, int(width * kShares[c]));
    }
    filling_ = false;
}

void RenameFromTagsDialog::toggleRow(QTreeWidgetItem* item) {
    const size_t row = size_t(list_->indexOfTopLevelItem(item));
    if (row < session_.candidates().size() && session_.candidates()[row].hasTag) {
        item->setCheckState(
            kProcess, item->checkState(kProcess) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
}

void RenameFromTagsDialog::checkChanged(QTreeWidgetItem* item, int column) {
    if (filling_ || column != kProcess) {
        return;
    }
    const size_t row = size_t(list_->indexOfTopLevelItem(item));
    if (row < session_.candidates().size() &&
        session_.candidates()[row].process != (item->checkState(kProcess) == Qt::Checked)) {
        (void)session_.toggle(row);
    }
}

void RenameFromTagsDialog::clearAll() {
    session_.clearAll();
    filling_ = true;
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        list_->topLevelItem(i)->setCheckState(kProcess, Qt::Unchecked);
    }
    filling_ = false;
}

void RenameFromTagsDialog::renameChecked() {
    MainServices& services = window_.services();
    // Records may be renamed and moved while the list shows them.
    window_.panes().libraryChanging();
    buttons_->setEnabled(false);
    const RenameApplied applied = session_.apply(services.library, services.pathCache);
    buttons_->setEnabled(true);
    window_.panes().libraryChanged();
    if (applied.recordsMoved > 0) {
        services.saver.saveDataFiles();
    }
}

}  // namespace sonara::gui
