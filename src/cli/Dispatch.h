#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace sonara::cli {

// One run of sonara-cli over its words after the program name: the global
// options, then the command of the table they name, or the help. Returns the
// exit code.
int runCommandLine(const std::vector<std::string>& words, std::FILE* out, std::FILE* err);

}  // namespace sonara::cli
