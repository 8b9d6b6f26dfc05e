#include "gui/mainwnd/PlayerPanel.h"

#include <QTimer>

#include "audio/engine/PlayerHost.h"
#include "audio/engine/PlayerTexts.h"
#include "core/playlist/CurrentPlayList.h"
#include "core/settings/PreferenceStore.h"
#include "core/skin/SkinFiles.h"
#include "gui/controls/ScrollingLabel.h"
#include "gui/mainwnd/ControlMap.h"
#include "gui/mainwnd/MainServices.h"
#include "gui/mainwnd/TimeDisplayPanel.h"
#include "gui/mainwnd/VolumePanel.h"
#include "gui/skin/SkinButton.h"
#include "gui/skin/SkinLabel.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

namespace {

struct TransportButton {
    ControlId id;
    Command command;
    int mediumStripRow;
    TextId tip;
    bool lockedInParty;
};

constexpr std::array<TransportButton, 5> kTransport = {{
    {ControlId::PreviousButton, Command::PreviousButton, skin::kMediumRowPrevious,
     TextId::TipPrevious, true},
    {ControlId::PlayButton, Command::PlayButton, skin::kMediumRowPlay, TextId::TipPlay, false},
    {ControlId::PauseButton, Command::PauseButton, skin::kMediumRowPause, TextId::TipPause, true},
    {ControlId::StopButton, Command::StopButton, skin::kMediumRowStop, TextId::TipStop, true},
    {ControlId::NextButton, Command::NextButton, skin::kMediumRowNext, TextId::TipNext, true},
}};

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// The model blanks the title with a space; an empty one does not scroll its
// separators past on its own.
QString titleText(const std::string& title) {
    const QString text = fromUtf8(title);
    return text.trimmed().isEmpty() ? QString() : text;
}

}  // namespace

class PlayerPanel::Listener final : public NowPlayingListener {
  public:
    explicit Listener(PlayerPanel& panel) : panel_(panel) {}
    void captionChanged(const std::string& caption) override { panel_.showCaption(caption); }
    void scrollingTitleChanged(const std::string& title) override { panel_.showTitle(title); }
    void timeChanged(const TimeDisplay& time) override { panel_.showTime(time); }
    void songStarted(size_t row) override { panel_.startSong(row); }
    void displayReset() override { panel_.resetDisplay(); }
    void playbackHalted() override { panel_.halt(); }

  private:
    PlayerPanel& panel_;
};

PlayerPanel::PlayerPanel(QWidget* window, MainServices& services, CommandTarget& commands,
                         ControlMap& controls)
    : QObject(window), services_(services), listener_(std::make_unique<Listener>(*this)) {
    title_ = new ScrollingLabel(services.skin, window);
    controls.place(ControlId::ScrollingTitle, title_);
    infoLine_ = new SkinLabel(services.skin, QStringLiteral(" "), window);
    infoLine_->setControlId(int(ControlId::SecondTitleLine));
    controls.place(ControlId::SecondTitleLine, infoLine_);

    time_ = new TimeDisplayPanel(window, services, controls);
    makeButtons(window, commands, controls);
    volume_ = new VolumePanel(window, services, commands, controls);
    // Their widgets stay the window's; the parts go with the panel.
    time_->setParent(this);
    volume_->setParent(this);

    NowPlaying& now = services.playList.nowPlaying();
    now.setListener(listener_.get());
    title_->setText(titleText(now.scrollingTitle()));
    if (services.player.isPlaying()) {
        refreshFileDescription();
        time_->refresh();
    } else {
        resetDisplay();
    }
}

PlayerPanel::~PlayerPanel() {
    services_.playList.nowPlaying().setListener(nullptr);
}

void PlayerPanel::makeButtons(QWidget* window, CommandTarget& commands, ControlMap& controls) {
    for (size_t i = 0; i < kButtons; ++i) {
        const TransportButton& spec = kTransport[i];
        auto* button = new SkinButton(services_.skin, window);
        button->setControlId(int(spec.id));
        controls.place(spec.id, button);
        button->setSkin(skin::kMediumButton, spec.tip, spec.mediumStripRow);
        button->setFocusPolicy(Qt::NoFocus);
        const Command command = spec.command;
        connect(button, &QPushButton::clicked, this,
                [&commands, command] { commands.runCommand(command); });
        buttons_[i] = button;
    }
}

SkinButton* PlayerPanel::button(ControlId id) const {
    for (size_t i = 0; i < kButtons; ++i) {
        if (kTransport[i].id == id) {
            return buttons_[i];
        }
    }
    return nullptr;
}

void PlayerPanel::setDisplay(const ViewDisplay& display) {
    lastDisplay_ = display;
    time_->setDisplay(display);
    if (display.scrollingTitleFontSize) {
        skin::FontSpec font = services_.skin.skin.fontInfo().staticFont;
        font.size = pixelsForPoints(*display.scrollingTitleFontSize);
        title_->setOwnFont(font);
    } else {
        title_->clearOwnFont();
    }
}

void PlayerPanel::setSeekBarEnabled(bool enabled) {
    time_->setSeekBarEnabled(enabled);
}

void PlayerPanel::refreshFileDescription() {
    const bool playerView = view_ == ViewMode::Player;
    const std::string line = audio::fileDescription(services_.player.player(), playerView);
    if (!line.empty()) {
        infoLine_->setText(fromUtf8(line));
    } else if (services_.playList.nowPlaying().idle()) {
        infoLine_->setText(fromUtf8(audio::idleInfoText(playerView)));
    }
}

void PlayerPanel::skinChanged() {
    // The views' own fonts take the skin's face.
    if (lastDisplay_) {
        setDisplay(*lastDisplay_);
    }
    title_->refresh();
}

void PlayerPanel::scrollTitlePreferenceChanged() {
    title_->refresh();
}

void PlayerPanel::setView(ViewMode view) {
    view_ = view;
    setPartyView(view == ViewMode::Party);
    refreshFileDescription();
}

void PlayerPanel::setPartyView(bool party) {
    party_ = party;
    for (size_t i = 0; i < kButtons; ++i) {
        if (kTransport[i].lockedInParty) {
            buttons_[i]->setEnabled(!party);
        }
    }
    time_->setSeekBarEnabled(!party);
}

void PlayerPanel::wheelTurned(int notches, bool middleButtonHeld) {
    if (party_) {
        return;
    }
    if (middleButtonHeld) {
        time_->wheelSeek(notches);
    } else {
        volume_->wheel(notches);
    }
}

void PlayerPanel::showMasterVolume(int level) {
    volume_->showLevel(level);
}

void PlayerPanel::volumeDialogClosed() {
    volume_->reactivate();
}

void PlayerPanel::showCaption(const std::string& caption) {
    emit captionChanged(fromUtf8(caption));
}

void PlayerPanel::showTitle(const std::string& title) {
    title_->setText(titleText(title));
    emit titleChanged(title_->text());
}

void PlayerPanel::showTime(const TimeDisplay& time) {
    time_->show(time);
}

void PlayerPanel::startSong(size_t row) {
    emit songStarted(int(row));
    // The player plays only after this notice: describe it then.
    QTimer::singleShot(0, this, [this] {
        refreshFileDescription();
        time_->refresh();
    });
}

void PlayerPanel::resetDisplay() {
    NowPlaying& now = services_.playList.nowPlaying();
    if (services_.playList.list().empty()) {
        title_->setText(QString());
        emit titleChanged(QString());
    }
    time_->reset(now.timeText(view_));
    infoLine_->setText(fromUtf8(audio::idleInfoText(view_ == ViewMode::Player)));
    emit displayReset();
}

void PlayerPanel::halt() {
    QTimer::singleShot(0, this, [this] { emit playbackHalted(); });
}

}  // namespace sonara::gui
