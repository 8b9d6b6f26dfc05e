#include "audio/engine/PlayerHost.h"

#include <algorithm>
#include <cctype>
#include <exception>

#include "audio/AudioOutput.h"
#include "audio/engine/PlayerSettings.h"
#include "core/app/Dispatcher.h"
#include "core/app/Prompter.h"
#include "core/app/StringTable.h"

namespace sonara::audio {

namespace {

constexpr int kBufferBytes = 32768;

bool isModemOrGame(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return name.find("modem") != std::string::npos || name.find("game") != std::string::npos;
}

}  // namespace

PlayerHost::PlayerHost(Dispatcher& dispatcher, OutputFactory& outputs, Prompter& prompter)
    : dispatcher_(dispatcher),
      prompter_(prompter),
      player_(dispatcher, outputs),
      lengthProbe_(dispatcher, outputs),
      fastTimer_(dispatcher) {
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
        if (displaysShown_ && isPlaying() && onVisualisationTick) {
            onVisualisationTick();
        }
    };
}

void PlayerHost::startUp(const PlayerSettings& settings) {
    fastTimer_.setEnabled(false);
    applyBufferSize(settings.bufferSizeK);
    applyVisPriority(settings.visPriority);
    player_.setVolume(settings.streamVolume);
    player_.setBalance(settings.balance - 32767);
}

int PlayerHost::firstUsableDevice() {
    for (int i = 0; i < 20; ++i) {
        const std::string name = player_.deviceName(i);
        if (name.empty()) {
            break;
        }
        if (!isModemOrGame(name)) {
            return i;
        }
    }
    return player_.deviceId();
}

void PlayerHost::useOutputDevice(int device) {
    player_.setDeviceId(device);
    lengthProbe_.setDeviceId(device);
}

Status PlayerHost::classify(const Status& result) {
    if (result.kind() == ErrorKind::Device) {
        // The device in use: what "WaveoutDeviceID" holds once one was chosen.
        std::string text =
            formatText(TextId::OutputDeviceUnusable, player_.deviceName(player_.deviceId()));
        prompter_.message(text, Icon::Exclamation);
        return Status::failure(ErrorKind::Device, std::move(text));
    }
    return Status::failure(ErrorKind::Rejected, result.error());
}

Status PlayerHost::open(const std::string& path) {
    try {
        const Status result = player_.setFileName(path);
        if (!result) {
            return classify(result);
        }
    } catch (const std::exception& error) {
        return Status::failure(ErrorKind::Other, error.what());
    }
    if (!resumePath_.empty() && resumePath_ == path) {
        player_.setPosition(resumeMs_);
    }
    resumePath_.clear();
    return Status::success();
}

Status PlayerHost::play() {
    starting_ = true;
    Status result = Status::success();
    try {
        result = player_.play();
    } catch (const std::exception& error) {
        started_ = starting_ = false;
        return Status::failure(ErrorKind::Other, error.what());
    }
    if (!result) {
        started_ = starting_ = false;
        return classify(result);
    }
    dispatcher_.drainUntil([this] { return started_; });
    fastTimer_.setEnabled(true);
    started_ = starting_ = false;
    return Status::success();
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
        dispatcher_.post([this] { command(Command::TrayPlay); });
    }
}

void PlayerHost::applyOutputDevice(int device) {
    restartAround([this, device] { useOutputDevice(device); });
}

void PlayerHost::applyBufferSize(int kilobytes) {
    restartAround([this, kilobytes] {
        player_.setBufferSize(kBufferBytes);
        player_.setNumBuffers(std::max(kilobytes, 32) * 1024 / kBufferBytes);
    });
}

void PlayerHost::applyVisPriority(int priority) {
    fastTimer_.setPriority(priority);
}

void PlayerHost::command(Command id) {
    switch (id) {
        case Command::TrayPrevious:
            if (playList_ != nullptr) {
                playList_->advance(0, false);
            }
            break;
        case Command::TrayNext:
            if (playList_ != nullptr) {
                playList_->advance(1, true);
            }
            break;
        case Command::TrayPlay:
            if (playList_ != nullptr) {
                if (playList_->hasCurrent()) {
                    playList_->playCurrent();
                } else {
                    playList_->advance(1, true);
                }
            }
            break;
        case Command::TrayPause:
            togglePause();
            break;
        case Command::TrayStop:
            // The window follows the stop through the now-playing model.
            if (playList_ != nullptr) {
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
