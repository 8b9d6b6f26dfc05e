#include "gui/dialogs/tools/SpaceMakerDialog.h"

#include <QHBoxLayout>
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
#include "gui/controls/GradientProgress.h"
#include "gui/dialogs/tools/SpaceMakerOptionsDialog.h"
#include "gui/mainwnd/MainPanes.h"
#include "gui/mainwnd/MainWindow.h"
#include "gui/skin/SkinCaptionButton.h"

namespace sonara::gui {

namespace {

enum Column { kDel, kFileName, kSize, kFolder };

// Column widths as shares of the list's width.
constexpr double kShares[] = {0.07, 0.43, 0.15, 0.35};

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

SpaceMakerDialog::SpaceMakerDialog(MainWindow& window)
    : SkinDialog(window.services().skin, &window),
      window_(window),
      preferences_(window.services().skin.prefs.values(),
                   [&window] {
                       reportSave(window.services().skin.prefs.saveAll(),
                                  window.services().prompter);
                   }),
      session_(preferences_, window.services().prompter) {
    SkinContext& context = window.services().skin;
    setWindowTitle(qt(stringText(TextId::SpaceMakerTitle)));
    setSizeGripEnabled(true);
    chooseFolder_ = [this](const QString& start) { return browseForFolder(this, start); };

    list_ = new QTreeWidget(this);
    list_->setColumnCount(4);
    list_->setHeaderLabels({tr("Del"), tr("Filename"), tr("Size"), tr("Folder")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setMinimumSize(420, 240);
    connect(list_, &QTreeWidget::itemChanged, this, &SpaceMakerDialog::checkChanged);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [](QTreeWidgetItem* item) {
        item->setCheckState(kDel,
                            item->checkState(kDel) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    });

    auto* search = makeCaptionButton(context, tr("Search"), skin::kRowSearch, this);
    search->setDefault(true);
    auto* remove = makeCaptionButton(context, tr("Delete"), skin::kRowDelete, this);
    auto* options = makeCaptionButton(context, tr("Options"), skin::kRowOptions, this);
    auto* clear = makeCaptionButton(context, tr("Clear All"), skin::kRowClearAll, this);
    auto* close = makeCaptionButton(context, tr("Close"), skin::kRowClose, this);
    connect(search, &QAbstractButton::clicked, this, &SpaceMakerDialog::chooseSearch);
    connect(remove, &QAbstractButton::clicked, this, &SpaceMakerDialog::deleteChecked);
    connect(options, &QAbstractButton::clicked, this, &SpaceMakerDialog::openOptions);
    connect(clear, &QAbstractButton::clicked, this, &SpaceMakerDialog::clearAll);
    connect(close, &QAbstractButton::clicked, this, &QDialog::reject);
    progress_ = new GradientProgress(this);
    progress_->setSkinColours(context.skin.fontInfo());
    progress_->setFixedHeight(16);

    buttons_ = new QWidget(this);
    auto* column = new QVBoxLayout(buttons_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    for (QWidget* button : {static_cast<QWidget*>(search), static_cast<QWidget*>(remove),
                            static_cast<QWidget*>(options), static_cast<QWidget*>(clear),
                            static_cast<QWidget*>(close)}) {
        column->addWidget(button);
    }
    auto* side = new QVBoxLayout;
    side->setSpacing(4);
    side->addWidget(buttons_);
    side->addWidget(progress_);
    side->addStretch(1);

    found_ = new QLabel(this);
    marked_ = new QLabel(this);
    auto* top = new QHBoxLayout;
    top->setSpacing(4);
    top->addWidget(list_, 1);
    top->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(4);
    layout->addLayout(top, 1);
    layout->addWidget(found_);
    layout->addWidget(marked_);
    setTabOrder(list_, search);
    resize(640, 400);
    restoreToolSize(*this, context.prefs, placementKey::kDuplicateFinder);
    showTotals();
    setListsInListColours(true);
}

SpaceMakerDialog::~SpaceMakerDialog() = default;

void SpaceMakerDialog::done(int result) {
    storeToolPlacement(*this, window_.services().skin.prefs, placementKey::kDuplicateFinder,
                       window_.services().prompter);
    SkinDialog::done(result);
}

void SpaceMakerDialog::skinChanged() {
    progress_->setSkinColours(window_.services().skin.skin.fontInfo());
}

void SpaceMakerDialog::chooseSearch() {
    if (const std::optional<Command> from = askSearchStart(window_)) {
        search(*from);
    }
}

void SpaceMakerDialog::search(Command from) {
    if (from == Command::DuplicatesInSources) {
        session_.useSources(window_.services().sources);
    } else if (from == Command::DuplicatesByFolder) {
        const QString chosen = chooseFolder_(qt(session_.browseStart()));
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
    setBusy(true);
    session_.search();
    setBusy(false);
    fill();
    (void)session_.tellWhenNoneFound();
}

void SpaceMakerDialog::fill() {
    filling_ = true;
    list_->clear();
    const std::vector<DuplicateEntry>& entries = session_.entries();
    progress_->setRange(0, int(entries.size()));
    QList<QTreeWidgetItem*> rows;
    rows.reserve(int(entries.size()));
    for (const DuplicateEntry& entry : entries) {
        auto* row = new QTreeWidgetItem(
            {QString(), qt(entry.fileName), QString::number(entry.size), qt(entry.folder)});
        row->setCheckState(kDel, entry.marked ? Qt::Checked : Qt::Unchecked);
        rows.append(row);
    }
    list_->addTopLevelItems(rows);
    progress_->setPosition(int(entries.size()));
    const int width = list_->viewport()->width();
    for (int c = kDel; c <= kFolder; ++c) {
        list_->setColumnWidth(c, int(width * kShares[c]));
    }
    filling_ = false;
    showTotals();
}

void SpaceMakerDialog::checkChanged(QTreeWidgetItem* item, int column) {
    if (filling_ || column != kDel) {
        return;
    }
    const size_t row = size_t(list_->indexOfTopLevelItem(item));
    if (row < session_.entries().size() &&
        session_.entries()[row].marked != (item->checkState(kDel) == Qt::Checked)) {
        (void)session_.toggle(row);
    }
    showTotals();
}

void SpaceMakerDialog::clearAll() {
    session_.clearAll();
    filling_ = true;
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        list_->topLevelItem(i)->setCheckState(kDel, Qt::Unchecked);
    }
    filling_ = false;
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
    MainServices& services = window_.services();
    const DeletedCopies gone = findDeletedCopies(before, services.library, services.pathCache);
    if (gone.touchesLibrary()) {
        window_.panes().libraryChanging();
        forgetDeletedCopies(gone, services.library, services.pathCache);
        window_.panes().libraryChanged();
        services.saver.saveDataFiles();
    }
    fill();
}

void SpaceMakerDialog::openOptions() {
    SpaceMakerOptionsDialog dialog(window_.services().skin, session_.options(), this);
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

void SpaceMakerDialog::setBusy(bool busy) {
    buttons_->setEnabled(!busy);
}

}  // namespace sonara::gui
