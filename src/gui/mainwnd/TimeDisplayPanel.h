#pragma once

#include <QObject>
#include <QTimer>

#include "core/mainwnd/ViewDisplay.h"
#include "core/playlist/PlayTime.h"

class QWidget;

namespace sonara::gui {

class ControlMap;
class SkinLabel;
class SkinSlider;
struct MainServices;

// The views' display fonts are sized in points, as the template's own font
// is; skin fonts are pixel heights. At the 96 dots an inch Qt's logical
// pixels stand for.
constexpr int pixelsForPoints(int points) {
    return (points * 96 + 36) / 72;
}

// The time display with the seek bar and its two end labels: while a song
// plays a timer hands the player's position to the now-playing model, whose
// time notice comes back through show(). A click on the time display
// switches between elapsed and remaining time ("PlayerTimeFormat");
// releasing the seek bar seeks.
//
// The widgets are children of `window`, registered in `controls`; the
// services must outlive this object. User-interface thread only.
class TimeDisplayPanel : public QObject {
    Q_OBJECT
  public:
    // Often enough that the seconds never lag by more than a quarter.
    static constexpr int kRefreshMs = 250;

    TimeDisplayPanel(QWidget* window, MainServices& services, ControlMap& controls);

    // The model's time notice: the text, and the seek bar unless the user
    // is dragging it.
    void show(const TimeDisplay& time);
    // Back to the idle display: `idleText` in the time display, blank end
    // labels, the seek bar at its start.
    void reset(const std::string& idleText);
    // Reads the player now and starts the timer while it plays; nothing
    // while it does not, so the idle texts stay.
    void refresh();

    void setDisplay(const ViewDisplay& display);
    void setSeekBarEnabled(bool enabled);
    // The mouse wheel with the middle button held: 2.5 % of the song a notch.
    void wheelSeek(int notches);

    SkinLabel& timeLabel() const { return *time_; }
    SkinSlider& seekBar() const { return *seekBar_; }
    SkinLabel& startLabel() const { return *start_; }
    SkinLabel& endLabel() const { return *end_; }
    bool ticking() const { return timer_.isActive(); }

  private:
    void toggleTimeFormat();
    void seek();

    MainServices& services_;
    SkinLabel* start_;
    SkinLabel* time_;
    SkinLabel* end_;
    SkinSlider* seekBar_;
    QTimer timer_;
};

}  // namespace sonara::gui
