#include "gui/mainwnd/TimeDisplayPanel.h"

#include "audio/engine/PlayerHost.h"
#include "core/app/Prompter.h"
#include "core/mainwnd/WheelStep.h"
#include "core/playlist/CurrentPlayList.h"
#include "core/settings/PreferenceStore.h"
#include "core/skin/SkinFiles.h"
#include "gui/controls/SkinSlider.h"
#include "gui/mainwnd/ControlMap.h"
#include "gui/mainwnd/MainServices.h"
#include "gui/skin/SkinLabel.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

namespace {

// The seek bar's range before the first song gives it one.
constexpr int kInitialSeekRange = 100;

SkinLabel* makeLabel(QWidget* window, SkinContext& skin, ControlMap& controls, ControlId id,
                     Qt::Alignment alignment) {
    auto* label = new SkinLabel(skin, QStringLiteral(" "), window);
    label->setControlId(int(id));
    label->setAlignment(alignment | Qt::AlignVCenter);
    controls.place(id, label);
    return label;
}

}  // namespace

TimeDisplayPanel::TimeDisplayPanel(QWidget* window, MainServices& services, ControlMap& controls)
    : QObject(window), services_(services) {
    SkinContext& skin = services.skin;
    start_ = makeLabel(window, skin, controls, ControlId::SeekStartLabel, Qt::AlignLeft);
    time_ = makeLabel(window, skin, controls, ControlId::TimeDisplay, Qt::AlignHCenter);
    // The view's larger time fonts still fit the template's height.
    time_->setMode(SkinLabel::kShrinkToFit);
    end_ = makeLabel(window, skin, controls, ControlId::SeekEndLabel, Qt::AlignRight);

    seekBar_ = new SkinSlider(skin, window);
    seekBar_->setId(int(ControlId::SeekBar));
    seekBar_->setSkinBitmap(skin::kPlayProgress, 3);
    seekBar_->setTipMode(SkinSlider::kTipTime);
    seekBar_->setRange(0, kInitialSeekRange);
    seekBar_->setValue(0);
    controls.place(ControlId::SeekBar, seekBar_);

    connect(time_, &SkinLabel::released, this, [this] { toggleTimeFormat(); });
    connect(seekBar_, &SkinSlider::valueNotified, this, [this] { seek(); });
    timer_.setInterval(kRefreshMs);
    connect(&timer_, &QTimer::timeout, this, &TimeDisplayPanel::refresh);
}

void TimeDisplayPanel::show(const TimeDisplay& time) {
    time_->setText(QString::fromStdString(time.text));
    if (!seekBar_->dragging()) {
        seekBar_->setRange(0, time.lengthSeconds);
        seekBar_->setValue(time.positionSeconds);
    }
    start_->setText(QStringLiteral("0"));
    end_->setText(QString::fromStdString(time.endLabel));
}

void TimeDisplayPanel::reset(const std::string& idleText) {
    time_->setText(QString::fromStdString(idleText));
    start_->setText(QStringLiteral(" "));
    end_->setText(QStringLiteral(" "));
    seekBar_->setValue(0);
}

void TimeDisplayPanel::refresh() {
    audio::PlayerHost& host = services_.player;
    if (!host.isPlaying()) {
        timer_.stop();
        return;
    }
    if (!timer_.isActive()) {
        timer_.start();
    }
    const int positionMs = host.player().position();
    const int lengthMs = host.player().length();
    const bool remaining = services_.skin.prefs.values().playerTimeFormat == 1;
    NowPlaying& now = services_.playList.nowPlaying();
    // The timer runs four times a second; the display and the totals
    // change once.
    const TimeDisplay next = timeDisplay(positionMs, lengthMs, remaining);
    if (!now.idle() && now.time().text == next.text &&
        now.time().positionSeconds == next.positionSeconds &&
        now.time().lengthSeconds == next.lengthSeconds) {
        return;
    }
    services_.playList.list().setElapsed(next.positionSeconds);
    now.setTime(positionMs, lengthMs, remaining);
}

void TimeDisplayPanel::setDisplay(const ViewDisplay& display) {
    skin::FontSpec font;
    font.face = display.timeFontFace;
    font.size = pixelsForPoints(display.timeFontSize);
    font.bold = services_.skin.skin.fontInfo().staticFont.bold;
    time_->setOwnFont(font);
    if (display.idleTimeText && services_.playList.nowPlaying().idle()) {
        time_->setText(QString::fromStdString(*display.idleTimeText));
    }
}

void TimeDisplayPanel::setSeekBarEnabled(bool enabled) {
    seekBar_->setEnabled(enabled);
}

void TimeDisplayPanel::wheelSeek(int notches) {
    if (!seekBar_->isEnabled()) {
        return;
    }
    seekBar_->setValue(sliderAfterWheel(seekBar_->value(), seekBar_->minimum(), seekBar_->maximum(),
                                        notches, kSeekWheelShare));
    seek();
}

void TimeDisplayPanel::toggleTimeFormat() {
    PreferenceStore& prefs = services_.skin.prefs;
    int& format = prefs.values().playerTimeFormat;
    format = format == 1 ? 0 : 1;
    if (const Status saved = prefs.saveAll(); !saved) {
        services_.prompter.message(saved.error(), Icon::Exclamation);
    }
    refresh();
}

void TimeDisplayPanel::seek() {
    // The next tick shows where the player went: read at once, the
    // position may not have moved yet and the thumb would jump back.
    services_.player.seekTo(seekBar_->value(), seekBar_->maximum() - seekBar_->minimum());
}

}  // namespace sonara::gui
