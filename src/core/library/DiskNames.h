#pragma once

#include <string>
#include <string_view>
#include <vector>

// File names as the data files keep them. Linux names are bytes; a name that
// is not valid UTF-8 (a Latin-1 name from an old disk or archive) is read
// back from a data file as Windows-1252 and converted. So names are matched
// in that read-back form, and a stored path that is not on the disk is
// tried in the bytes it was read back from.
namespace sonara::disk_names {

// The form `name` has once it went through a data file.
std::string key(std::string_view name);

// The spellings a stored `path` may have on the disk: itself, then the
// bytes that read back as it, when there are such.
std::vector<std::string> spellings(const std::string& path);

// The first of the spellings that names something on the disk, else `path`.
std::string onDisk(const std::string& path);

}  // namespace sonara::disk_names
