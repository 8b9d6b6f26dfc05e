#pragma once

#include "core/app/Command.h"
#include "gui/skin/SkinContext.h"

namespace sonara {
class Dispatcher;
class Library;
class SourcesList;
class PathCache;
class RecordFactory;
class CurrentPlayList;
class Prompter;
class DataFileSaver;
struct DataPaths;
namespace audio {
class PlayerHost;
}
}  // namespace sonara

namespace sonara::gui {

class DesktopActions;

// Where a pane sends the commands its buttons, keys and menus give: the
// window runs them (one enum for menus, keys and buttons).
class CommandTarget {
  public:
    virtual ~CommandTarget() = default;
    virtual void runCommand(Command command) = 0;
};

// What the application lends the main window and its panes. The application
// owns all of it and outlives every window; user-interface thread only.
struct MainServices {
    SkinContext skin;  // the skin record and the preference store
    const DataPaths& paths;
    Dispatcher& dispatcher;
    Prompter& prompter;
    Library& library;
    SourcesList& sources;
    PathCache& pathCache;
    RecordFactory& recordFactory;
    CurrentPlayList& playList;
    audio::PlayerHost& player;
    DataFileSaver& saver;  // saves the data files after songs were added
    // The tray, help, About and the outside player; none in tests that build
    // a window alone.
    DesktopActions* desktop = nullptr;
};

}  // namespace sonara::gui
