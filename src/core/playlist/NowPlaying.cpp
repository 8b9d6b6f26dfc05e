#include "core/playlist/NowPlaying.h"

#include "core/playlist/PlayList.h"

namespace sonara {

namespace {
constexpr const char* kIdleCaption = "Sonara";
}  // namespace

NowPlaying::NowPlaying() : caption_(kIdleCaption) {}

std::string NowPlaying::entryTitle(const PlayListEntry& entry) {
    return entry.artist + " - " + entry.title;
}

std::string NowPlaying::timeText(ViewMode view) const {
    if (idle_) {
        return idleTimeText(view == ViewMode::Player || view == ViewMode::Toolbar);
    }
    return time_.text;
}

void NowPlaying::setCaption(std::string caption) {
    caption_ = std::move(caption);
    if (listener_ != nullptr) {
        listener_->captionChanged(caption_);
    }
}

void NowPlaying::songStarted(size_t row, const PlayListEntry& entry) {
    if (listener_ != nullptr) {
        listener_->songStarted(row);
    }
    setScrollingTitle(entryTitle(entry));
    setCaption(entryTitle(entry) + " - " + kIdleCaption);
}

void NowPlaying::songStopped() {
    setCaption(kIdleCaption);
}

void NowPlaying::setScrollingTitle(std::string title) {
    scrollingTitle_ = std::move(title);
    if (listener_ != nullptr) {
        listener_->scrollingTitleChanged(scrollingTitle_);
    }
}

void NowPlaying::showIdleTitle(const PlayList& list, std::optional<size_t> selectedRow) {
    std::optional<size_t> row = list.current();
    if (!row) {
        row = selectedRow;
    }
    if (row && *row < list.count()) {
        setScrollingTitle(entryTitle(list.at(*row)));
    }
}

void NowPlaying::setTime(int positionMs, int lengthMs, bool remaining) {
    time_ = timeDisplay(positionMs, lengthMs, remaining);
    idle_ = false;
    if (listener_ != nullptr) {
        listener_->timeChanged(time_);
    }
}

void NowPlaying::resetDisplay() {
    time_ = TimeDisplay();
    idle_ = true;
    if (listener_ != nullptr) {
        listener_->displayReset();
    }
}

void NowPlaying::halted() {
    if (listener_ != nullptr) {
        listener_->playbackHalted();
    }
}

}  // namespace sonara
