#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/mainwnd/ViewMode.h"
#include "core/playlist/PlayTime.h"

namespace sonara {

class PlayList;
struct PlayListEntry;

// What the now-playing model reports: the window shows it; the tray and the
// desktop's media controls may follow it too. User-interface thread, after
// the model changed, often in the middle of a play-sequence operation: a
// notice must not call into the sequence or the play list; what it starts
// (a Stop) it posts through the Dispatcher.
class NowPlayingListener {
  public:
    virtual ~NowPlayingListener() = default;

    virtual void captionChanged(const std::string& caption) = 0;
    virtual void scrollingTitleChanged(const std::string& title) = 0;
    virtual void timeChanged(const TimeDisplay& time) = 0;
    // The entry of `row` was opened and is being started: the file-
    // description line is due once the player plays (post it).
    virtual void songStarted(size_t row) = 0;
    // Time display, seek bar and info line back to their idle texts.
    virtual void displayReset() = 0;
    // The sequence stopped by itself (the list ran out, a file would not
    // open): the window does what its Stop button does.
    virtual void playbackHalted() = 0;
};

// The texts that describe what plays: the caption, the scrolling title and
// the time display. PlaySequence drives it; the window sets the time from
// its timer. User-interface thread only; the listener is borrowed and may be
// absent.
class NowPlaying {
  public:
    NowPlaying();

    void setListener(NowPlayingListener* listener) { listener_ = listener; }

    // "artist - title - Sonara" while a song plays, "Sonara" otherwise.
    const std::string& caption() const { return caption_; }
    const std::string& scrollingTitle() const { return scrollingTitle_; }
    // The time display's text; while idle, what the view shows then.
    std::string timeText(ViewMode view) const;
    const TimeDisplay& time() const { return time_; }
    bool idle() const { return idle_; }

    // "artist - title": how an entry reads in the scrolling title.
    static std::string entryTitle(const PlayListEntry& entry);

    void songStarted(size_t row, const PlayListEntry& entry);
    // Nothing plays after all, or any more: the caption goes back.
    void songStopped();
    void setScrollingTitle(std::string title);
    // Library rows were added while nothing plays: the current entry or,
    // failing that, the selected row goes into the scrolling title.
    void showIdleTitle(const PlayList& list, std::optional<size_t> selectedRow);
    void setTime(int positionMs, int lengthMs, bool remaining);
    void resetDisplay();
    void halted();

  private:
    void setCaption(std::string caption);

    NowPlayingListener* listener_ = nullptr;
    std::string caption_;
    std::string scrollingTitle_;
    TimeDisplay time_;
    bool idle_ = true;
};

}  // namespace sonara
