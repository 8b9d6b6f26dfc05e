#pragma once

#include <atomic>
#include <functional>
#include <thread>

#include <termios.h>

namespace sonara::cli {

// Single key presses from the terminal, without echo or Enter, handed to
// `onKey` on a reading thread of its own. The terminal's settings are put back
// when this goes (and the reader stops). Does nothing when standard input is
// not a terminal.
class TerminalKeys {
  public:
    explicit TerminalKeys(std::function<void(char)> onKey);
    ~TerminalKeys();
    TerminalKeys(const TerminalKeys&) = delete;
    TerminalKeys& operator=(const TerminalKeys&) = delete;

    bool active() const { return active_; }

  private:
    void read();

    std::function<void(char)> onKey_;
    struct termios saved_ {};
    bool active_ = false;
    std::atomic<bool> stop_{false};
    std::thread reader_;
};

}  // namespace sonara::cli
