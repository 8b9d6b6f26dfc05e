#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/shell/ShellPaths.h"

namespace sonara {

// What Sonara reads of an installed program's desktop entry.
struct DesktopEntry {
    std::string name;  // "Name=" of [Desktop Entry], untranslated
    std::string exec;  // "Exec=", unescaped of the entry file's own escapes
};

// The entry `desktopId` names, looked up in the applications folders (a
// "-" in the id may stand for a sub-folder: "kde-foo.desktop" is also
// kde/foo.desktop); nothing when none is found or it cannot be read.
std::optional<DesktopEntry> findDesktopEntry(const ShellPaths& paths, std::string_view desktopId);

// The program named in a command line, as the user would know it: the
// first word, its folder and a ".exe" ending dropped, in capitals
// ("/opt/Foo/FOO.exe" %f gives FOO; "audacious %U" gives AUDACIOUS).
std::string programNameOf(std::string_view commandLine);

}  // namespace sonara
