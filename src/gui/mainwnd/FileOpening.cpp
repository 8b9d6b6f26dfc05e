#include "gui/mainwnd/FileOpening.h"

#include <QFileInfo>
#include <QWidget>

#include "core/app/OpenFile.h"
#include "core/playlist/CurrentPlayList.h"
#include "core/playlist/PlayListOptions.h"
#include "core/settings/PreferenceStore.h"
#include "gui/mainwnd/LibraryTasks.h"

namespace sonara::gui {

FileOpening::FileOpening(QWidget& window, MainServices& services, LibraryTasks& tasks,
                         std::function<void(const std::string&)> applySkin)
    : window_(window),
      services_(services),
      tasks_(tasks),
      applySkin_(std::move(applySkin)),
      songs_(songOpenerOptions(services.skin.prefs), services.library, services.sources,
             services.recordFactory, services.playList.adder(), services.playList.sequence(),
             services.dispatcher, services.saver, &tasks.drives()),
      engines_(songs_, services.playList.adder(), *this) {}

FileOpening::~FileOpening() = default;

void FileOpening::open(const std::vector<std::string>& paths) {
    songs_.setOptions(songOpenerOptions(services_.skin.prefs));
    tasks_.aroundChange([&] {
        for (const std::string& path : paths) {
            openFile(path);
        }
    });
}

void FileOpening::drop(const std::vector<std::string>& paths) {
    songs_.setOptions(songOpenerOptions(services_.skin.prefs));
    std::vector<DroppedItem> items;
    for (const std::string& path : paths) {
        // A link counts as what it points to.
        const QFileInfo info(QString::fromStdString(path));
        items.push_back(DroppedItem{path, info.isDir()});
    }
    tasks_.aroundChange([&] { openDropped(items, *this); });
}

void FileOpening::applySkinPointer(const std::string& path) {
    if (applySkin_) {
        applySkin_(path);
    }
}

void FileOpening::bringWindowForward() {
    window_.raise();
    window_.activateWindow();
}

bool FileOpening::addFolderToLibrary(const std::string& folder) {
    return tasks_.addFolder(folder);
}

void FileOpening::openFile(const std::string& path) {
    sonara::openFile(path, engines_);
}

}  // namespace sonara::gui
