#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sonara {

// The files named on the command line ("sonara FILE..."), kept until the
// first main window has opened and asks for them. Each argument is one
// file, opened in the order given.
class CommandLineFiles {
  public:
    // `arguments` are the program's FILE arguments (options already taken
    // out). Relative paths are made absolute against `workingFolder` now, so
    // the library never keeps a path that depends on where the program was
    // started; "file:" URIs (as desktops hand them) become paths; empty
    // arguments and URIs of other schemes name no local file and are left out.
    CommandLineFiles(const std::vector<std::string>& arguments, const std::string& workingFolder);

    // The files the first time, nothing on every later call: a window opened
    // again from the tray must not open them a second time.
    std::vector<std::string> take();

  private:
    std::vector<std::string> files_;
    bool taken_ = false;
};

// One argument as a local absolute path, or "" when it names none.
std::string commandLinePath(std::string_view argument, std::string_view workingFolder);

}  // namespace sonara
