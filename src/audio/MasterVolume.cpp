#include "audio/MasterVolume.h"

#include <atomic>

#include "audio/pulse/DefaultSinkVolume.h"
#include "core/app/Dispatcher.h"

namespace sonara::audio {

namespace {

constexpr int kMinimum = 0;
constexpr int kMaximum = pulse::DefaultSinkVolume::kMaximumLevel;

// The active MasterVolume. Read and written on the user-interface thread only.
MasterVolume* activeVolume = nullptr;
uint64_t activeSerial = 0;

uint64_t nextSerial() {
    static std::atomic<uint64_t> serial{0};
    return ++serial;
}

}  // namespace

MasterVolume::MasterVolume(Dispatcher& dispatcher) : serial_(nextSerial()) {
    // Runs on the sound server's thread: hand the value to the UI thread,
    // where only the then active object, if it is still this one, hears it.
    auto post = [&dispatcher, serial = serial_](int value) {
        dispatcher.post([serial, value] {
            if (activeVolume != nullptr && activeSerial == serial) {
                activeVolume->changed(value);
            }
        });
    };
    auto opened = pulse::DefaultSinkVolume::open(std::move(post));
    if (opened) {
        sink_ = std::move(opened.value());
        makeActive();
    }
}

MasterVolume::~MasterVolume() {
    if (activeVolume == this) {
        activeVolume = nullptr;
        activeSerial = 0;
    }
}

bool MasterVolume::hasVolumeControl() const {
    return sink_ != nullptr;
}

void MasterVolume::enableLine() {
    if (sink_) {
        sink_->setMuted(false);
    }
}

void MasterVolume::disableLine() {
    if (sink_) {
        sink_->setMuted(true);
    }
}

std::optional<int> MasterVolume::steps() const {
    return sink_ ? std::optional(kMaximum - kMinimum + 1) : std::nullopt;
}

std::optional<int> MasterVolume::minimum() const {
    return sink_ ? std::optional(kMinimum) : std::nullopt;
}

std::optional<int> MasterVolume::maximum() const {
    return sink_ ? std::optional(kMaximum) : std::nullopt;
}

std::optional<int> MasterVolume::getVolume() const {
    if (!sink_) {
        return std::nullopt;
    }
    return sink_->level();
}

void MasterVolume::setVolume(int value) {
    if (sink_ && value >= kMinimum && value <= kMaximum) {
        sink_->setLevel(value);
    }
}

void MasterVolume::setCallback(Callback callback, void* userData) {
    callback_ = std::move(callback);
    userData_ = userData;
}

void MasterVolume::makeActive() {
    activeVolume = this;
    activeSerial = serial_;
}

bool MasterVolume::isActive() const {
    return activeVolume == this && activeSerial == serial_;
}

std::string MasterVolume::defaultSinkName() const {
    return sink_ ? sink_->defaultSinkName().value_or(std::string()) : std::string();
}

std::vector<pulse::SinkInfo> MasterVolume::sinks() const {
    return sink_ ? sink_->sinks().value_or(std::vector<pulse::SinkInfo>())
                 : std::vector<pulse::SinkInfo>();
}

void MasterVolume::changed(int value) {
    if (callback_) {
        callback_(value, userData_);
    }
}

}  // namespace sonara::audio
