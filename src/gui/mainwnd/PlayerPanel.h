#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <memory>
#include <optional>

#include "core/mainwnd/ControlId.h"
#include "core/mainwnd/ViewDisplay.h"
#include "core/mainwnd/ViewMode.h"
#include "core/playlist/NowPlaying.h"

class QWidget;

namespace sonara::gui {

class CommandTarget;
class ControlMap;
class ScrollingLabel;
class SkinButton;
class SkinLabel;
class TimeDisplayPanel;
class VolumePanel;
struct MainServices;

// The main window's player controls: the scrolling title, the second title
// line (the playing file's description), the time display and seek bar,
// the transport buttons, and the volume icon and slider. The buttons send
// their commands to `commands`, which runs them (the window routes them
// through the transport rules and Party view's lock-down).
//
// The panel is the now-playing model's listener for as long as it lives
// (the model has one): what the window, the tray or the desktop's media
// controls need from it comes out of the signals below.
//
// Creates its widgets as children of `window` at their template places and
// registers them in `controls`. The services and the command target must
// outlive the panel. User-interface thread only.
class PlayerPanel : public QObject {
    Q_OBJECT
  public:
    PlayerPanel(QWidget* window, MainServices& services, CommandTarget& commands,
                ControlMap& controls);
    ~PlayerPanel() override;

    // The view's fonts and, while nothing plays, its idle time text.
    void setDisplay(const ViewDisplay& display);
    void setSeekBarEnabled(bool enabled);
    // The playing file's format in the second title line, worded for the
    // view; the line stays as it was while nothing plays.
    void refreshFileDescription();
    // After the skin changed (the skinned widgets reload themselves): the
    // title decides again whether it scrolls.
    void skinChanged();
    // "ScrollTitle" changed.
    void scrollTitlePreferenceChanged();
    // The view the window shows now: the info line worded for it, and
    // Party view's lock-down (setPartyView).
    void setView(ViewMode view);
    // Party view: Stop, Pause, Previous and Next disabled, no seeking.
    void setPartyView(bool party);

    // The mouse wheel over the window, except in Party view: seeks while
    // the middle button is held, else moves the volume.
    void wheelTurned(int notches, bool middleButtonHeld);
    // A master-volume level reported by the Volume Control dialog, and its
    // closing (the window's volume takes the change notices back).
    void showMasterVolume(int level);
    void volumeDialogClosed();

    TimeDisplayPanel& timeDisplay() const { return *time_; }
    VolumePanel& volume() const { return *volume_; }
    ScrollingLabel& scrollingTitle() const { return *title_; }
    SkinLabel& secondTitleLine() const { return *infoLine_; }
    // A transport button; nothing for any other id.
    SkinButton* button(ControlId id) const;

  signals:
    // The now-playing caption ("artist - title - Sonara", or "Sonara").
    void captionChanged(const QString& caption);
    // The entry of `row` was opened and is being started.
    void songStarted(int row);
    // The scrolling title's text (empty when blanked).
    void titleChanged(const QString& title);
    // The display went back to idle: nothing plays (after a stop, a clear,
    // the removal of the playing entry).
    void displayReset();
    // The sequence stopped by itself: do what the Stop button does. Emitted
    // from the event loop, never inside the play list's own operation.
    void playbackHalted();

  private:
    class Listener;

    // What the now-playing model reports, in the middle of its own
    // operations: none of these calls back into the play sequence.
    void showCaption(const std::string& caption);
    void showTitle(const std::string& title);
    void showTime(const TimeDisplay& time);
    void startSong(size_t row);
    void resetDisplay();
    void halt();

    void makeButtons(QWidget* window, CommandTarget& commands, ControlMap& controls);

    MainServices& services_;
    ScrollingLabel* title_;
    SkinLabel* infoLine_;
    TimeDisplayPanel* time_;
    VolumePanel* volume_;
    static constexpr size_t kButtons = 5;
    std::array<SkinButton*, kButtons> buttons_{};
    ViewMode view_ = ViewMode::Normal;
    bool party_ = false;
    std::optional<ViewDisplay> lastDisplay_;
    std::unique_ptr<Listener> listener_;
};

}  // namespace sonara::gui
