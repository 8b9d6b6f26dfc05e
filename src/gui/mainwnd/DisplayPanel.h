#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "core/mainwnd/ViewControls.h"
#include "gui/skin/SkinContext.h"

class QWidget;

namespace sonara::audio {
class PlayerHost;
}

namespace sonara::gui {

class ControlMap;
class DisplayWidget;
class LevelMeterDisplay;
class SpectrumDisplay;
struct MainServices;

// The main window's six visualisation displays: the large and small spectra
// and the short and tall level-meter pairs. Creates them on the window at
// their template places, gives them the skin's settings, and points the
// player host's connectors at the shown ones; on each of the host's fast
// timer ticks it runs the transfer and repaints what changed. When no tick
// came for a while (the song stopped or paused) the displays go dark.
//
// Borrows the window, the skin and the host, which must outlive it.
// Destroying it, or disconnect(), unhooks it from the host. User-interface
// thread only.
class DisplayPanel : public QObject {
    Q_OBJECT
  public:
    DisplayPanel(QWidget* window, MainServices& services, ControlMap& controls);
    DisplayPanel(QWidget* window, SkinContext skin, audio::PlayerHost& player,
                 ControlMap& controls);
    ~DisplayPanel() override;

    // Shows the displays the view and the preferences ask for and feeds only
    // those; with none shown the host's timer transfers nothing.
    void setShown(ViewMode view, const ViewControlOptions& options);
    // After a skin change: the new skin's settings onto all six.
    void skinChanged();
    // For the window's close: the connectors' outputs back to none and the
    // host's tick back to what it was. Nothing happens after, and a second
    // call does nothing.
    void disconnect();
    bool isConnected() const { return connected_; }

    // One fast-timer tick: the transfer through both connectors, then a
    // repaint of each shown display whose spots changed.
    void tick();

    SpectrumDisplay& largeSpectrum() { return *large_; }
    SpectrumDisplay& smallSpectrum() { return *small_; }
    LevelMeterDisplay& tallLeft() { return *tallLeft_; }
    LevelMeterDisplay& tallRight() { return *tallRight_; }
    LevelMeterDisplay& shortLeft() { return *shortLeft_; }
    LevelMeterDisplay& shortRight() { return *shortRight_; }

  private:
    void applySettings();
    void connectShown();
    void idleCheck();
    template <typename Visit>
    void forEachDisplay(Visit visit);

    SkinContext skin_;
    audio::PlayerHost& player_;
    SpectrumDisplay* large_;
    SpectrumDisplay* small_;
    LevelMeterDisplay* tallLeft_;
    LevelMeterDisplay* tallRight_;
    LevelMeterDisplay* shortLeft_;
    LevelMeterDisplay* shortRight_;
    std::function<void()> previousTick_;
    QTimer idle_;
    bool tickedSinceCheck_ = false;
    bool connected_ = false;
};

}  // namespace sonara::gui
