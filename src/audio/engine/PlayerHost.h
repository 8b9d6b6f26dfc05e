#pragma once

#include <functional>
#include <string>

#include "audio/analysis/CMMConnectorX.h"
#include "audio/engine/PlayListControl.h"
#include "audio/player/CMMAudioPlayerX.h"
#include "audio/player/CMMHiTimerX.h"
#include "core/app/Command.h"
#include "core/io/Result.h"

namespace sonara {
class Dispatcher;
class Prompter;
}  // namespace sonara

namespace sonara::audio {

class OutputFactory;
struct PlayerSettings;

// The player engine: owns the playback player, the length-probe player and
// the fast timer that feeds the visualisations, and turns the play list's
// requests into player calls. Every member runs on the user-interface
// thread; the players' events arrive there through the Dispatcher.
class PlayerHost {
  public:
    PlayerHost(Dispatcher& dispatcher, OutputFactory& outputs, Prompter& prompter);
    PlayerHost(const PlayerHost&) = delete;
    PlayerHost& operator=(const PlayerHost&) = delete;

    // The play list, when it exists (null otherwise).
    void setPlayList(PlayListControl* playList) { playList_ = playList; }
    // Whether the visualisation displays are shown (the main window is
    // open): the fast timer feeds them only then.
    void setDisplaysShown(bool shown) { displaysShown_ = shown; }

    CMMAudioPlayerX& player() { return player_; }
    CMMAudioPlayerX& lengthProbe() { return lengthProbe_; }
    CMMHiTimerX& fastTimer() { return fastTimer_; }
    // The player feeds the first connector, which feeds the second; the main
    // window points their outputs at its displays while it is open.
    CMMConnectorX& firstConnector() { return firstConnector_; }
    CMMConnectorX& secondConnector() { return secondConnector_; }

    // When the host starts: the fast timer off, buffering and the timer's
    // priority, the stream volume and balance.
    void startUp(const PlayerSettings& settings);
    // The first device that is neither a modem line nor a game port; the
    // player's own when there is none (chooseOutputDevice() asks it).
    int firstUsableDevice();
    // Both players on `device`, before anything plays.
    void useOutputDevice(int device);

    // A failure's kind is Device when the output device failed (the user
    // was told, with the device's name), Rejected when the player refused
    // the file, Other otherwise.
    Status open(const std::string& path);
    Status play();
    // A stop by the program: waits for the ended event among the queued
    // ones, which then never advances the play list.
    void stop();
    void stopIfOpen();
    void togglePause();
    bool isPlaying() const;
    bool isPaused() const;
    // Seeks to `seconds` when it lies inside the seek bar's range.
    void seekTo(int seconds, int seekRange);

    // After the preferences changed: each stops the player, applies, and
    // plays the current entry again (through the Play command) when it was
    // playing, from where it was.
    void applyOutputDevice(int device);
    void applyBufferSize(int kilobytes);
    void applyVisPriority(int priority);

    // The tray menu's player commands; others are ignored.
    void command(Command id);

    // What the fast timer runs while the main window exists and a song
    // plays: by default, a transfer through both connectors.
    std::function<void()> onVisualisationTick;

    // The engine's flags, for the window and for tests.
    bool starting() const { return starting_; }
    bool started() const { return started_; }
    bool stopping() const { return stopping_; }
    bool ended() const { return ended_; }

  private:
    void onStarted();
    void onEnded();
    // The player's failure as a Status of its kind; tells the user of a
    // device failure.
    Status classify(const Status& result);
    // Stops, runs `change`, and restarts what was playing.
    void restartAround(const std::function<void()>& change);

    Dispatcher& dispatcher_;
    Prompter& prompter_;
    PlayListControl* playList_ = nullptr;
    bool displaysShown_ = false;
    CMMAudioPlayerX player_;
    CMMAudioPlayerX lengthProbe_;
    CMMHiTimerX fastTimer_;
    CMMConnectorX firstConnector_;
    CMMConnectorX secondConnector_;
    bool starting_ = false;
    bool started_ = false;
    bool stopping_ = false;
    bool ended_ = false;
    // Where a restarted song resumes, when it is opened again.
    std::string resumePath_;
    int resumeMs_ = 0;
};

}  // namespace sonara::audio
