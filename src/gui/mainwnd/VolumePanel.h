#pragma once

#include <QObject>
#include <memory>

class QWidget;

namespace sonara::audio {
class MasterVolume;
}

namespace sonara::gui {

class CommandTarget;
class ControlMap;
class SkinPicture;
class SkinSlider;
struct MainServices;

// The volume icon and slider over the system's master volume: the slider
// starts at the current level, sets it when released, and follows changes
// made by any other program. A click on the icon asks for the Volume
// Control dialog. Without a sound server (or a volume control) the slider
// is shown disabled and does nothing.
//
// Owns the window's MasterVolume; the widgets are children of `window`,
// registered in `controls`. The services and the command target must
// outlive this object. User-interface thread only.
class VolumePanel : public QObject {
    Q_OBJECT
  public:
    static constexpr int kMaximum = 65535;

    VolumePanel(QWidget* window, MainServices& services, CommandTarget& commands,
                ControlMap& controls);
    ~VolumePanel() override;

    // A master-volume change reported by anyone (the Volume Control dialog
    // too): the slider moves unless the user is dragging it.
    void showLevel(int level);
    // After another window's MasterVolume took the change notices (the
    // Volume Control dialog closed): this one hears them again.
    void reactivate();
    // The mouse wheel without the middle button: 5 % of the range a notch.
    void wheel(int notches);

    bool hasVolumeControl() const;
    SkinSlider& slider() const { return *slider_; }
    SkinPicture& icon() const { return *icon_; }

  private:
    void apply();

    std::unique_ptr<audio::MasterVolume> volume_;
    SkinPicture* icon_;
    SkinSlider* slider_;
};

}  // namespace sonara::gui
