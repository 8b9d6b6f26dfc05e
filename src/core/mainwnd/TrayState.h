#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sonara {

// What the notification-area icon shows, advanced by the player host's
// 50 ms tick: one of sixteen animation frames (turning while music plays,
// still on frame 0 otherwise) and the tooltip (the song, or the program's
// name when nothing plays). The widget asks what changed, so it touches the
// desktop's icon only when something did.
class TrayState {
  public:
    static constexpr int kFrameCount = 16;
    static constexpr int kNextFrame = -1;
    static constexpr size_t kTooltipChars = 64;

    // `frame` kNextFrame turns to the frame after `current`, wrapping after
    // the last; any other value in range is taken as it is, and a value out
    // of range shows frame 0.
    static int frameAfter(int current, int frame);

    // The tooltip for the play list's now-playing caption: the caption, or
    // the tray's own text when it is empty, cut to its first 64 characters
    // (whole UTF-8 characters, never a part of one).
    static std::string tooltipFor(std::string_view caption);

    struct Changes {
        bool frame = false;
        bool tooltip = false;
    };
    // One tick: the next frame while `animating` (playing and not paused),
    // frame 0 otherwise; the tooltip from `caption`.
    Changes tick(bool animating, std::string_view caption);

    int frame() const { return frame_; }
    const std::string& tooltip() const { return tooltip_; }

  private:
    int frame_ = 0;
    std::string tooltip_ = tooltipFor({});
};

}  // namespace sonara
