#include "cli/TerminalKeys.h"

#include <poll.h>
#include <unistd.h>

namespace sonara::cli {

TerminalKeys::TerminalKeys(std::function<void(char)> onKey) : onKey_(std::move(onKey)) {
    if (::isatty(STDIN_FILENO) == 0 || ::tcgetattr(STDIN_FILENO, &saved_) != 0) {
        return;
    }
    struct termios raw = saved_;
    // Keys one at a time, unechoed; Ctrl-C still interrupts.
    raw.c_lflag &= tcflag_t(~(ICANON | ECHO));
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    if (::tcsetattr(STDIN_FILENO, TCSANOW, &raw) != 0) {
        return;
    }
    active_ = true;
    reader_ = std::thread([this] { read(); });
}

TerminalKeys::~TerminalKeys() {
    stop_ = true;
    if (reader_.joinable()) {
        reader_.join();
    }
    if (active_) {
        ::tcsetattr(STDIN_FILENO, TCSANOW, &saved_);
    }
}

void TerminalKeys::read() {
    while (!stop_) {
        struct pollfd in {
            STDIN_FILENO, POLLIN, 0
        };
        // A short wait, so the reader notices it is to stop.
        if (::poll(&in, 1, 100) <= 0 || (in.revents & POLLIN) == 0) {
            continue;
        }
        char key = 0;
        if (::read(STDIN_FILENO, &key, 1) == 1) {
            onKey_(key);
        } else {
            return;  // end of input
        }
    }
}

}  // namespace sonara::cli
