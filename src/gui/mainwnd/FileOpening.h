#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/app/Drop.h"
#include "core/app/OpenFileEngines.h"
#include "core/playlist/SongOpener.h"
#include "gui/mainwnd/MainServices.h"

class QWidget;

namespace sonara::gui {

class LibraryTasks;

// Opening files handed to the window (the command line, drops, File Open):
// songs through the song opener, play lists through the adder, skin
// pointers through the application, folders into the library. Borrows the
// window, the services and the library tasks; user-interface thread only.
class FileOpening final : private OpenFileWindow, private DropTarget {
  public:
    // `applySkin` makes a ".snx" file's skin current; the application owns
    // the skin switcher.
    FileOpening(QWidget& window, MainServices& services, LibraryTasks& tasks,
                std::function<void(const std::string&)> applySkin);
    ~FileOpening() override;

    void open(const std::vector<std::string>& paths);
    void drop(const std::vector<std::string>& paths);

  private:
    void applySkinPointer(const std::string& path) override;
    void bringWindowForward() override;
    bool addFolderToLibrary(const std::string& folder) override;
    void openFile(const std::string& path) override;

    QWidget& window_;
    MainServices& services_;
    LibraryTasks& tasks_;
    std::function<void(const std::string&)> applySkin_;
    SongOpener songs_;
    OpenFileEngines engines_;
};

}  // namespace sonara::gui
