#pragma once

#include <string>
#include <vector>

namespace sonara {

// The desktop's folders that associations and outside players are read
// from, after the freedesktop base-directory rules. Built once from the
// environment (or by tests); every folder is absolute, without a trailing
// "/".
struct ShellPaths {
    std::string dataFolder;               // Sonara's own data folder
    std::string configHome;               // $XDG_CONFIG_HOME, else ~/.config
    std::vector<std::string> configDirs;  // $XDG_CONFIG_DIRS, else /etc/xdg
    std::string dataHome;                 // $XDG_DATA_HOME, else ~/.local/share
    std::vector<std::string> dataDirs;    // $XDG_DATA_DIRS, else /usr/local/share, /usr/share
    // $XDG_CURRENT_DESKTOP lower-cased, in its order ("gnome", "kde").
    std::vector<std::string> desktops;

    static ShellPaths fromEnvironment(const std::string& dataFolder);

    // The user's own default-application list, the one Sonara writes.
    std::string userMimeApps() const { return configHome + "/mimeapps.list"; }
    // Every default-application list in the order the desktop consults
    // them, the user's first.
    std::vector<std::string> mimeAppsLookup() const;
    // The folders that hold desktop entries, the user's first.
    std::vector<std::string> applicationFolders() const;
    // Where Sonara keeps the owners it took the file types from.
    std::string savedOwners() const { return dataFolder + "/Associations.ini"; }
    std::string playerTable() const { return dataFolder + "/Players.CFG"; }
};

}  // namespace sonara
