#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace sonara {

// The open command a second start sends the running program, one command
// per path: [open("PATH")].
//
// Reading one: the first seven characters must be exactly `[open("` (case
// matters). The path then runs up to the `")]` that ends the command, so a
// path may itself hold double quotes (Linux allows them, and song names
// such as `12" Mix.mp3` use them); a command that does not end so is cut
// at the next double quote instead.

// What the running program does with a command.
struct ShellCommand {
    // False only for an open command without a closing double quote.
    bool handled = true;
    // The file to open; nothing for a command that is no open command (it is
    // accepted and ignored) or that was not handled.
    std::optional<std::string> path;
};

ShellCommand parseShellCommand(std::string_view command);

// The path an open command opens, or nothing.
std::optional<std::string> openCommandPath(std::string_view command);

// The command that opens `path`; parseShellCommand gives `path` back whole.
std::string makeOpenCommand(std::string_view path);

// The command a second start with no file sends: bring the running
// program's main window to the front (opening it when only the tray icon
// runs), so that a desktop without a tray still has a way back in.
std::string makeShowCommand();
bool isShowCommand(std::string_view command);

// Runs commands from other starts of the program. While one runs, busy() is
// true: the main window, opened for it, then does not start the setup
// wizard over an empty library. User-interface thread only.
class ShellCommandRunner {
  public:
    // `open` gets the path of each open command; it opens the main window
    // first when only the tray icon runs, so no request is lost. `show` runs
    // for each show command.
    explicit ShellCommandRunner(std::function<void(const std::string&)> open,
                                std::function<void()> show = {})
        : open_(std::move(open)), show_(std::move(show)) {}

    // Whether the command was handled (see ShellCommand; a show command is).
    bool execute(std::string_view command);
    bool busy() const { return busy_; }

  private:
    std::function<void(const std::string&)> open_;
    std::function<void()> show_;
    bool busy_ = false;
};

}  // namespace sonara
