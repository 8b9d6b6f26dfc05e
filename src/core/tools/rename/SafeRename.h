#pragma once

#include <string>

namespace sonara {

enum class RenameOutcome { Renamed, TargetExists, Failed };

// Moves `from` to `to` without ever replacing a file at `to`, also one that
// appears while the move runs: renameat2 with RENAME_NOREPLACE, and where the
// file system lacks it a hard link followed by removing the old name.
RenameOutcome renameNoReplace(const std::string& from, const std::string& to);

// True when `name` is a plain name inside a folder: not empty, not "." or
// "..", and without "/" or NUL.
bool isPlainFileName(const std::string& name);

// A plain name that also holds none of \ : * ? " < > |, the characters
// Windows file systems refuse: the names a tag proposes stay names that the
// library's files could carry on any of the systems they came from.
bool isPortableFileName(const std::string& name);

}  // namespace sonara
