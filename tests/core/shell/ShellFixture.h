#pragma once

#include <filesystem>
#include <string>

#include "core/shell/ShellPaths.h"
#include "support/TempDir.h"

namespace sonara::testing {

// A scratch desktop: the user's config and data folders, one system
// config folder and one system data folder, all below a temporary folder
// that does not exist until a test writes into it.
struct ShellFixture {
    TempDir root;
    ShellPaths paths;

    ShellFixture() {
        const std::string base = root.path().string();
        paths.dataFolder = base + "/sonara";
        paths.configHome = base + "/config";
        paths.configDirs = {base + "/etc-xdg"};
        paths.dataHome = base + "/share";
        paths.dataDirs = {base + "/usr-share"};
        std::filesystem::create_directories(paths.dataFolder);
    }

    void write(const std::string& path, const std::string& text) const {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        writeText(path, text);
    }
    void writeUserList(const std::string& text) const { write(paths.userMimeApps(), text); }
    std::string userList() const { return readText(paths.userMimeApps()); }
    void installEntry(const std::string& id, const std::string& body) const {
        write(paths.dataDirs.front() + "/applications/" + id, "[Desktop Entry]\n" + body);
    }
};

}  // namespace sonara::testing
