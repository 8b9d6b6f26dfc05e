#pragma once

#include <functional>
#include <string>

#include "audio/analysis/CMMConnectorX.h"
#include "audio/engine/PlayListControl.h"
#include "audio/engine/PlayOutcome.h"
#include "audio/player/CMMAudioPlayerX.h"
#include "audio/player/CMMHiTimerX.h"

namespace sonara {
class Dispatcher;
class PreferenceStore;
class Prompter;
}  // namespace sonara

namespace sonara::audio {

class OutputFactory;

// The player engine: owns the playback player, the length-probe player and
// the fast timer that feeds the visualisations, and turns the play list's
// requests into player calls. Every member runs on the user-interface
// thread; the players' events arrive there through the Dispatcher.
class PlayerHost {
  public:
    // Commands the host accepts (the tray menu's items).
    static constexpr int kCommandPrevious = 9232;
    static constexpr int kCommandNext = 9233;
    static constexpr int kCommandPlay = 9252;
    static constexpr int kCommandPause = 9253;
    static constexpr int kCommandStop = 9254;
    // Dispatcher timer id of the fast timer.
    static constexpr int kFastTimerId = 1268;

    PlayerHost(Dispatcher& dispatcher, OutputFactory& outputs, PreferenceStore& prefs,
               Prompter& prompter);
    PlayerHost(const PlayerHost&) = delete;
    PlayerHost& operator=(const PlayerHost&) = delete;

    // The play list and the main window, when they exist (null otherwise).
    void setPlayList(PlayListControl* playList) { playList_ = playList; }
    void setWindow(PlayerWindow* window) { window_ = window; }

    CMMAudioPlayerX& player() { return player_; }
    CMMAudioPlayerX& lengthProbe() { return lengthProbe_; }
    CMMHiTimerX& fastTimer() { return fastTimer_; }
    // The player feeds the first connector, which feeds the second; the main
    // window points their outputs at its displays while it is open.
    CMMConnectorX& firstConnector() { return firstConnector_; }
    CMMConnectorX& secondConnector() { return secondConnector_; }

    // When the host starts: the fast timer off, buffering and the timer's
    // priority from the preferences, the stream volume and balance.
    void startUp();
    // Once, before anything plays: "WaveoutDeviceID", or when it is unset
    // the first device that is neither a modem line nor a game port; written
    // back and put into both players.
    void chooseOutputDevice();

    bool open(const std::string& path, PlayOutcome& outcome);
    bool play(PlayOutcome& outcome);
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
    void applyOutputDevice();
    void applyBufferSize();
    void applyVisPriority();

    void command(int id);

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
    PlayOutcome classify(const Status& result);
    // Stops, runs `change`, and restarts what was playing.
    void restartAround(const std::function<void()>& change);

    Dispatcher& dispatcher_;
    PreferenceStore& prefs_;
    Prompter& prompter_;
    PlayListControl* playList_ = nullptr;
    PlayerWindow* window_ = nullptr;
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
