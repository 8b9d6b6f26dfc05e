#pragma once

#include <string>

namespace sonara::files {

enum class CopyTarget {
    Truncate,  // an existing target's contents are replaced
    NewOnly,   // never opens an existing file: the target must not exist
};

// Copies `from` to `to` in 8192-byte blocks and flushes it to disk; false on
// any open, read, write, flush or close error. A failed NewOnly copy removes
// the file it made (and only that one); a failed Truncate copy leaves the
// target to the caller, who copies into a temporary file.
bool copyInBlocks(const std::string& from, const std::string& to, CopyTarget target);

}  // namespace sonara::files
