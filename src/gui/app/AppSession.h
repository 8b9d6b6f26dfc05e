#pragma once

#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "audio/Mpg123LengthProbe.h"
#include "audio/engine/PlayerHost.h"
#include "audio/pulse/PulseOutputFactory.h"
#include "core/app/CommandLine.h"
#include "core/app/DataFileSaver.h"
#include "core/app/DataPaths.h"
#include "core/io/DataFile.h"
#include "core/library/Library.h"
#include "core/library/PathCache.h"
#include "core/library/SourcesList.h"
#include "core/settings/PreferenceStore.h"
#include "core/skin/BuiltInSkin.h"
#include "gui/app/GuiPrompter.h"
#include "gui/app/QtDispatcher.h"
#include "gui/app/SkinSwitcher.h"
#include "gui/mainwnd/MainServices.h"
#include "gui/skin/SkinRecord.h"

namespace sonara {
class CurrentPlayList;
class RecordFactory;
namespace audio {
class PlayListBinding;
}
}  // namespace sonara

namespace sonara::gui {

// The desktop program's long-lived state, owned once for the whole run and
// lent to each main window through services(): the preferences, the skin,
// the data files, the current play list and the player. Windows come and
// go; this stays until shutDown(). User-interface thread only; needs a
// QApplication.
class AppSession final : public DataFileSaver {
  public:
    AppSession(DataPaths paths, const skin::BuiltInSkin& defaultSkin,
               std::vector<skin::BundledSkin> shippedSkins);
    ~AppSession() override;
    AppSession(const AppSession&) = delete;
    AppSession& operator=(const AppSession&) = delete;

    // The opening order: the data folders, the preferences, the player on
    // its output device, the skin, then the library, the sources, the path
    // cache and the current play list, and the play list joined to the
    // library and the player. A damaged data file is reported through the
    // prompter and what was read before the damage is kept. Fails only when
    // the data folders cannot be made; a missing sound server is no failure
    // (Play then reports the device). Call once, before anything else; the
    // error begins with "Sonara was unable to initialize.".
    Status startUp();

    // What the main window borrows (one set for every window of the run);
    // valid after startUp() until destruction.
    MainServices& services();

    // The closing order, once the window is gone: playback stopped, then the
    // current play list, the library, the sources, the path cache and the
    // preferences saved. Each failure is shown; the first one is returned.
    Status shutDown();

    // The library, the current play list, the sources and the path cache,
    // after songs were added; failures are shown.
    void saveDataFiles() override;

    // The files the program was started with (its FILE arguments), for the
    // first window to open once it shows; every later call gets none.
    void setCommandLine(const std::vector<std::string>& arguments,
                        const std::string& workingFolder) {
        commandLine_ = CommandLineFiles(arguments, workingFolder);
    }
    std::vector<std::string> takeCommandLine() { return commandLine_.take(); }

    const DataPaths& paths() const { return paths_; }
    PreferenceStore& prefs() { return prefs_; }
    SkinContext skinContext() { return {skin_, prefs_}; }
    SkinSwitcher& skinSwitcher() { return switcher_; }
    GuiPrompter& prompter() { return prompter_; }
    QtDispatcher& dispatcher() { return dispatcher_; }
    Library& library() { return library_; }
    CurrentPlayList& playList() { return *playList_; }
    audio::PlayerHost& player() { return player_; }
    // False when even the default skin could not be loaded (windows draw
    // plain).
    bool skinLoaded() const { return skinLoaded_; }

  private:
    // The library is being read on another thread; its outcome is taken
    // once the other files are in.
    void loadDataFiles(std::future<LoadOutcome>& libraryRead);
    void reportDamage(const std::string& path);
    // Shows a failed save; keeps the first failure in `first`.
    void note(const Status& saved, Status& first);
    Status saveEachDataFile();

    DataPaths paths_;
    PreferenceStore prefs_;
    SkinRecord skin_;
    SkinSwitcher switcher_;
    GuiPrompter prompter_;
    QtDispatcher dispatcher_;  // before everything that starts timers on it
    Library library_;
    SourcesList sources_;
    PathCache pathCache_;
    audio::Mpg123LengthProbe probe_;
    std::unique_ptr<RecordFactory> recordFactory_;
    std::unique_ptr<CurrentPlayList> playList_;
    audio::pulse::PulseOutputFactory outputs_;
    audio::PlayerHost player_;
    std::unique_ptr<audio::PlayListBinding> binding_;  // after the two it joins
    std::optional<MainServices> services_;
    bool skinLoaded_ = false;
    CommandLineFiles commandLine_{{}, {}};
};

}  // namespace sonara::gui
