#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sonara {

// The main window's caption, which is also its task-bar text, rebuilt on
// every tick of the window's 200 ms timer: the now-playing caption with a
// separator, turning left by one character per tick, cut to 32 characters.
// Counts characters, not bytes, so a title's UTF-8 is never cut apart.
class CaptionTicker {
  public:
    static constexpr size_t kMaxChars = 32;

    // The caption the window opens with: the program's name and ten spaces.
    static std::string initialCaption();

    // The caption for this tick. `nowPlaying` is the play list's now-playing
    // caption; without `scroll` ("ScrollToolBarTitle") the caption is the
    // program's name and stands still.
    std::string tick(std::string_view nowPlaying, bool scroll);

  private:
    size_t offset_ = 0;
};

}  // namespace sonara
