#include "gui/dialogs/tools2/CollectionToolDialogs.h"

#include "core/app/DataFileSaver.h"
#include "core/library/Library.h"
#include "core/library/LocateRecordFile.h"
#include "core/playlist/CurrentPlayList.h"
#include "core/tools/top100/Top100Chart.h"
#include "gui/dialogs/tools2/BackupRestore.h"
#include "gui/dialogs/tools2/Top100Dialog.h"
#include "gui/dialogs/tools2/WavConversionDialog.h"
#include "gui/mainwnd/LibraryPane.h"
#include "gui/mainwnd/MainPanes.h"
#include "gui/mainwnd/MainWindow.h"
#include "gui/mainwnd/PlayListPane.h"

namespace sonara::gui {

CollectionToolDialogs::CollectionToolDialogs(MainWindow& window) : window_(window) {}

bool CollectionToolDialogs::run(Command command) {
    switch (command) {
        case Command::Backup:
            backup();
            return true;
        case Command::Restore:
            restore();
            return true;
        case Command::Top100:
            showTop100();
            return true;
        case Command::ConvertLibraryToWav:
            convertToWav(selectedLibraryFiles());
            return true;
        case Command::ConvertPlayListToWav:
            convertToWav(selectedPlayListFiles());
            return true;
        default:
            return false;
    }
}

void CollectionToolDialogs::backup() {
    BackupRestore tool(window_);
    (void)tool.backup();  // the outcome has been told
}

void CollectionToolDialogs::restore() {
    BackupRestore tool(window_);
    (void)tool.restore();  // the outcome has been told
}

void CollectionToolDialogs::showTop100() {
    MainServices& services = window_.services();
    Top100Chart chart(services.library, services.playList.adder(), window_.view(),
                      services.prompter);
    Top100Dialog dialog(
        services.skin, chart, [&services] { services.saver.saveDataFiles(); }, &window_);
    dialog.exec();
}

void CollectionToolDialogs::convertToWav(std::vector<std::string> sources) {
    MainServices& services = window_.services();
    WavConversionDialog dialog(services.skin, services.dispatcher, services.prompter,
                               std::move(sources), &window_);
    dialog.exec();
}

std::vector<std::string> CollectionToolDialogs::selectedLibraryFiles() const {
    MainServices& services = window_.services();
    std::vector<std::string> files;
    for (const size_t index : window_.panes().library()->selectedRecords()) {
        if (index >= services.library.count()) {
            continue;
        }
        const LibraryRecord& record = *services.library.at(index);
        // A file that cannot be found stays a bare name, which the conversion
        // counts as an error instead of leaving it out unnoticed.
        files.push_back(locateRecordFile(record, services.pathCache, services.sources, nullptr)
                            .value_or(std::string(record.fileName())));
    }
    return files;
}

std::vector<std::string> CollectionToolDialogs::selectedPlayListFiles() const {
    const PlayList& list = window_.services().playList.list();
    std::vector<std::string> files;
    for (const size_t row : window_.panes().playListPane()->selectedRows()) {
        if (row < list.count()) {
            files.push_back(list.at(row).path);
        }
    }
    return files;
}

}  // namespace sonara::gui
