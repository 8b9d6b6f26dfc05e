#pragma once

#include <string>

namespace sonara {

class Prompter;

// Deletes a file outright (not into the trash), with the program's
// messages: a missing file, a read-only file (asked about), a failure.
// True when the file is gone.
bool deleteFileFromDisk(const std::string& path, Prompter& prompter);

}  // namespace sonara
