#include "gui/dialogs/editors/EditorDialogs.h"

#include <QItemSelectionModel>

#include "audio/engine/PlayerHost.h"
#include "core/app/DataFileSaver.h"
#include "core/library/Library.h"
#include "core/library/LocateRecordFile.h"
#include "core/metadata/GenrePicker.h"
#include "core/tools/editing/AssignGenre.h"
#include "core/tools/editing/RecordEditor.h"
#include "gui/controls/SkinListCtrl.h"
#include "gui/dialogs/editors/GenrePickerDialog.h"
#include "gui/dialogs/editors/RecordEditDialog.h"
#include "gui/dialogs/editors/TagEditDialog.h"
#include "gui/dialogs/editors/VolumeControlDialog.h"
#include "gui/mainwnd/LibraryListModel.h"
#include "gui/mainwnd/LibraryPane.h"
#include "gui/mainwnd/MainPanes.h"
#include "gui/mainwnd/MainWindow.h"
#include "gui/mainwnd/PlayerPanel.h"

namespace sonara::gui {

EditorDialogs::EditorDialogs(MainWindow& window) : window_(window) {}

bool EditorDialogs::run(Command command) {
    switch (command) {
        case Command::EditTagInfo:
            editTag();
            return true;
        case Command::EditLibraryRecord:
            editRecord();
            return true;
        case Command::AssignGenre:
            assignGenre();
            return true;
        case Command::Volume:
            volumeControl();
            return true;
        default:
            return false;
    }
}

LibraryRecord* EditorDialogs::focusedRecord() const {
    LibraryPane* pane = window_.panes().library();
    if (pane == nullptr) {
        return nullptr;
    }
    const QModelIndex current = pane->list()->currentIndex();
    if (current.isValid() && pane->list()->selectionModel()->isRowSelected(current.row())) {
        return pane->model().recordAt(current.row());
    }
    const std::vector<size_t> selected = pane->selectedRecords();
    return selected.empty() ? nullptr : window_.services().library.at(selected.front());
}

void EditorDialogs::editTag() {
    MainServices& services = window_.services();
    LibraryRecord* record = focusedRecord();
    if (record == nullptr) {
        return;
    }
    const auto path =
        locateForTagDialog(*record, services.pathCache, services.sources, services.prompter);
    if (!path) {
        return;
    }
    TagEditDialog dialog(services.skin, services.prompter, *path, &window_);
    if (dialog.exec() == QDialog::Accepted) {
        // The list may show the tag's artist and title.
        window_.panes().library()->model().refresh();
    }
}

void EditorDialogs::editRecord() {
    MainServices& services = window_.services();
    LibraryRecord* record = focusedRecord();
    if (record == nullptr) {
        return;
    }
    const auto path =
        locateRecordFile(*record, services.pathCache, services.sources, &services.prompter);
    if (!path) {
        return;
    }
    RecordEditor editor(*record, *path, services.skin.prefs.normaliseOptions());
    RecordEditDialog dialog(services.skin, editor, services.prompter, services.library,
                            services.pathCache, &window_);
    if (dialog.exec() == QDialog::Accepted) {
        recordsChanged();
    }
}

void EditorDialogs::assignGenre() {
    MainServices& services = window_.services();
    GenrePicker picker(GenrePickerSettings{});
    GenrePickerDialog dialog(services.skin, picker, services.prompter, &window_);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    std::vector<LibraryRecord*> records;
    for (size_t index : window_.panes().library()->selectedRecords()) {
        if (LibraryRecord* record = services.library.at(index)) {
            records.push_back(record);
        }
    }
    if (records.empty()) {
        return;
    }
    const AssignGenreResult result = sonara::assignGenre(
        picker.selectedName(), records, services.pathCache, services.sources, services.prompter);
    if (result.known) {
        recordsChanged();
    }
}

void EditorDialogs::volumeControl() {
    MainServices& services = window_.services();
    PlayerPanel* panel = window_.panes().player();
    VolumeControlDialog dialog(
        services.skin, services.dispatcher, services.prompter, services.player.player(),
        [panel](int level) {
            if (panel != nullptr) {
                panel->showMasterVolume(level);
            }
        },
        &window_);
    dialog.exec();
    if (panel != nullptr) {
        panel->volumeDialogClosed();
    }
}

void EditorDialogs::recordsChanged() {
    window_.services().saver.saveDataFiles();
    window_.panes().library()->model().refresh();
}

}  // namespace sonara::gui
