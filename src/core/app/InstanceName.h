#pragma once

#include <string>
#include <string_view>

namespace sonara {

// The name of the one running program that owns a data folder. Each data
// folder (a --home folder or the default one) is its own program: two
// folders give two names, and every spelling of one folder (relative, with
// "..", through a symlink) gives the same name. A short lowercase hex text,
// so it fits in a socket path whatever the folder's length and holds no
// character a file name cannot.
std::string instanceName(std::string_view dataFolder);

// The absolute, canonical form of `folder` the name is made from: symlinks
// are resolved as far as the folder exists, the rest is normalised, and a
// trailing "/" is dropped. Reads the file system; never fails (a folder
// that cannot be resolved keeps its normalised absolute spelling).
std::string canonicalDataFolder(std::string_view folder);

}  // namespace sonara
