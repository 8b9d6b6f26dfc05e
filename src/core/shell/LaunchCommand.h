#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/io/Result.h"

namespace sonara {

// Command lines of outside players, written as a desktop entry's Exec=
// line is: words split at blanks, a word in double quotes may hold blanks,
// and inside quotes a backslash takes the next character as it is. Nothing
// runs through a shell: no variables, globs, pipes or redirections.
//
// The file a command opens is given by a field code outside quotes: %f or
// %F is the path, %u or %U its file:// address; a code inside a word
// ("--play-uri=%u") puts it there. The path is always one argument, never
// split or interpreted. A command without any of them gets the path as its
// last argument. %i, %c and %k are dropped, %% is a '%'.

// The words of `commandLine`, quotes and escapes resolved, field codes
// kept; nothing for an unterminated quote.
std::optional<std::vector<std::string>> splitCommandLine(std::string_view commandLine);

// The argument vector that opens `path` with `commandLine`; nothing when
// the line is malformed or names no program (a field code as the program
// is refused: the file would be run).
std::optional<std::vector<std::string>> buildLaunchCommand(std::string_view commandLine,
                                                           const std::string& path);

// "file://" and the path, every byte but the unreserved ones and "/"
// percent-encoded.
std::string fileUri(std::string_view path);

// Starts a program detached from Sonara (it outlives it) with `argv`
// (argv[0] found on $PATH when it has no "/"). Fails when the program
// cannot be started. User-interface thread.
class ProcessLauncher {
  public:
    virtual ~ProcessLauncher() = default;
    virtual Status startDetached(const std::vector<std::string>& argv) = 0;
};

}  // namespace sonara
