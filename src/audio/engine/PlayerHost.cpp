#include "audio/engine/PlayerHost.h"

#include <algorithm>
#include <cctype>
#include <exception>

#include "audio/AudioOutput.h"
#include "core/app/Dispatcher.h"
#include "core/app/Prompter.h"
#include "core/settings/PreferenceStore.h"

namespace sonara::audio {

namespace {

constexpr int kBufferBytes = 32768;

bool isModemOrGame(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return name.find("modem") != std::string::npos || name.find("game") != std::string::npos;
}

}  // namespace

PlayerHost::PlayerHost(Dispatcher& dispatcher, OutputFactory& outputs, PreferenceStore& prefs,
                       Prompter& prompter)
    : dispatcher_(dispatcher),
      prefs_(prefs),
      prompter_(prompter),
      player_(dispatcher, outputs),
      lengthProbe_(dispatcher, outputs),
      fastTimer_(dispatcher, kFastTimerId) {
    player_.onStarted = [this] { onStarted(); };
    player_.onEnded = [this] { onEnded(); };
    lengthProbe_.setBufferSize(2048);
    fastTimer_.setInterval(20);
    fastTimer_.setPriority(6);
    firstConnector_.setInput(&player_);
    secondConnector_.setInput(&firstConnector_);
    onVisualisationTick = [this] {
        firstConnector_.trigger();
        secondConnector_.trigger();
    };
    fastTimer_.onTick = [this] {
        if (window_ != nullptr && window_->exists() && isPlaying() && onVisualisationTick) {
            onVisualisationTick();
        }
    };
}

void PlayerHost::startUp() {
    fastTimer_.setEnabled(false);
    applyBufferSize();
    applyVisPriority();
    player_.setVolume(prefs_.values().streamVolumeMMTools);
    player_.setBalance(prefs_.values().balanceMMTools - 32767);
}

void PlayerHost::chooseOutputDevice() {
    const int noted = player_.deviceId();
    int device = prefs_.readOutputDevice(-1);
    if (device == -1) {
        for (int i = 0; i < 20; ++i) {
            const std::string name = player_.deviceName(i);
            if (name.empty()) {
                break;
            }
            if (!isModemOrGame(name)) {
                device = i;
                break;
            }
        }
        if (device == -1) {
            device = noted;
        }
        prefs_.values().waveoutDeviceId = device;
        // Not noted, the device is found the same way at the next start.
        (void)prefs_.writeOutputDevice();
    }
    player_.setDeviceId(device);
    lengthProbe_.setDeviceId(device);
}

PlayOutcome PlayerHost::classify(const Status& result) {
    if (result.kind() == ErrorKind::Device) {
        // The device in use: what "WaveoutDeviceID" holds once one was chosen.
        prompter_.message(
            "Sonara is unable to use the Output Device: " + player_.deviceName(player_.deviceId()),
            Icon::Exclamation);
        return PlayOutcome::DeviceFailure;
    }
    return PlayOutcome::ComponentFailure;
}

bool PlayerHost::open(const std::string& path, PlayOutcome& outcome) {
    try {
        const Status result = player_.setFileName(path);
        if (!result) {
            outcome = classify(result);
            return false;
        }
    } catch (const std::exception&) {
        outcome = PlayOutcome::OtherFailure;
        return false;
    }
    if (!resumePath_.empty() && resumePath_ == path) {
        player_.setPosition(resumeMs_);
    }
    resumePath_.clear();
    outcome = PlayOutcome::Ok;
    return true;
}

bool PlayerHost::play(PlayOutcome& outcome) {
    starting_ = true;
    Status result = Status::success();
    try {
        result = player_.play();
    } catch (const std::exception&) {
        started_ = starting_ = false;
        outcome = PlayOutcome::OtherFailure;
        return false;
    }
    if (!result) {
        started_ = starting_ = false;
        outcome = classify(result);
        return false;
    }
    dispatcher_.drainUntil([this] { return started_; });
    fastTimer_.setEnabled(true);
    outcome = PlayOutcome::Ok;
    started_ = starting_ = false;
    return true;
}

void PlayerHost::stop() {
    stopping_ = true;
    ended_ = false;
    player_.stop();
    dispatcher_.drainUntil([this] { return ended_; });
    ended_ = false;
    fastTimer_.setEnabled(false);
    stopping_ = false;
}

void PlayerHost::stopIfOpen() {
    if (player_.state() & CMMAudioPlayerX::kOpen) {
        stop();
    }
}

void PlayerHost::togglePause() {
    if (player_.state() & CMMAudioPlayerX::kPaused) {
        player_.resume();
    } else {
        player_.pause();
    }
}

bool PlayerHost::isPlaying() const {
    return (player_.state() & CMMAudioPlayerX::kPlaying) != 0;
}
bool PlayerHost::isPaused() const {
    return (player_.state() & CMMAudioPlayerX::kPaused) != 0;
}

void PlayerHost::seekTo(int seconds, int seekRange) {
    if (seconds < 0 || seconds >= seekRange) {
        return;
    }
    player_.setSeekAccuracy(50);
    player_.setPosition(seconds * 1000);
}

void PlayerHost::restartAround(const std::function<void()>& change) {
    const bool wasPlaying = isPlaying();
    const int position = player_.position();
    const std::string path = player_.fileName();
    stop();
    change();
    player_.setPosition(position);
    if (wasPlaying) {
        // The stop closed the file: the song resumes where it was once the
        // Play command opens it again.
        resumePath_ = path;
        resumeMs_ = position;
        dispatcher_.post([this] { command(kCommandPlay); });
    }
}

void PlayerHost::applyOutputDevice() {
    restartAround([this] {
        const int device = prefs_.values().waveoutDeviceId;
        player_.setDeviceId(device);
        lengthProbe_.setDeviceId(device);
    });
}

void PlayerHost::applyBufferSize() {
    restartAround([this] {
        const int kilobytes = std::max(prefs_.values().playerBufferSizeK, 32);
        player_.setBufferSize(kBufferBytes);
        player_.setNumBuffers(kilobytes * 1024 / kBufferBytes);
    });
}

void PlayerHost::applyVisPriority() {
    fastTimer_.setPriority(prefs_.values().visPriority);
}

void PlayerHost::command(int id) {
    switch (id) {
        case kCommandPrevious:
            if (playList_ != nullptr) {
                playList_->advance(0, false);
            }
            break;
        case kCommandNext:
            if (playList_ != nullptr) {
                playList_->advance(1, true);
            }
            break;
        case kCommandPlay:
            if (playList_ != nullptr) {
                if (playList_->hasCurrent()) {
                    playList_->playCurrent();
                } else {
                    playList_->advance(1, true);
                }
            }
            break;
        case kCommandPause:
            togglePause();
            break;
        case kCommandStop:
            if (window_ != nullptr && window_->exists()) {
                window_->pressStop();
            } else if (playList_ != nullptr) {
                playList_->stopCurrent();
            }
            break;
        default:
            break;
    }
}

void PlayerHost::onStarted() {
    started_ = true;
}

void PlayerHost::onEnded() {
    if (starting_) {
        return;
    }
    ended_ = true;
    player_.close();
    if (!stopping_ && playList_ != nullptr) {
        playList_->advance(1, true);
    }
}

}  // namespace sonara::audio
