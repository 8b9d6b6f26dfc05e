#include "gui/mainwnd/VolumePanel.h"

#include "audio/MasterVolume.h"
#include "core/mainwnd/WheelStep.h"
#include "core/skin/SkinFiles.h"
#include "gui/controls/SkinSlider.h"
#include "gui/mainwnd/ControlMap.h"
#include "gui/mainwnd/MainServices.h"
#include "gui/skin/SkinPicture.h"

namespace sonara::gui {

VolumePanel::VolumePanel(QWidget* window, MainServices& services, CommandTarget& commands,
                         ControlMap& controls)
    : QObject(window), volume_(std::make_unique<audio::MasterVolume>(services.dispatcher)) {
    icon_ = new SkinPicture(services.skin, window);
    icon_->setControlId(int(ControlId::VolumeIcon));
    icon_->setMode(SkinPicture::kTransparent);
    icon_->setSkinIndex(skin::kVolPic);
    controls.place(ControlId::VolumeIcon, icon_);
    connect(icon_, &SkinPicture::released, this,
            [&commands] { commands.runCommand(Command::Volume); });

    slider_ = new SkinSlider(services.skin, window);
    slider_->setId(int(ControlId::VolumeSlider));
    slider_->setSkinBitmap(skin::kVol, 3);
    slider_->setTipMode(SkinSlider::kTipPercent);
    slider_->setRange(0, kMaximum);
    controls.place(ControlId::VolumeSlider, slider_);
    connect(slider_, &SkinSlider::valueNotified, this, [this] { apply(); });

    if (!volume_->hasVolumeControl()) {
        slider_->setEnabled(false);
        return;
    }
    volume_->enableLine();
    // Posted through the dispatcher, so it runs on this thread; the callback
    // goes with the MasterVolume, which this object owns.
    volume_->setCallback(
        [](int level, void* self) { static_cast<VolumePanel*>(self)->showLevel(level); }, this);
    if (const std::optional<int> level = volume_->getVolume()) {
        slider_->setValue(*level);
    }
}

VolumePanel::~VolumePanel() = default;

bool VolumePanel::hasVolumeControl() const {
    return volume_->hasVolumeControl();
}

void VolumePanel::showLevel(int level) {
    if (level != slider_->value()) {
        slider_->setValue(level);
    }
}

void VolumePanel::reactivate() {
    volume_->makeActive();
}

void VolumePanel::wheel(int notches) {
    if (!slider_->isEnabled()) {
        return;
    }
    slider_->setValue(sliderAfterWheel(slider_->value(), 0, kMaximum, notches, kVolumeWheelShare));
    apply();
}

void VolumePanel::apply() {
    volume_->setVolume(slider_->value());
}

}  // namespace sonara::gui
