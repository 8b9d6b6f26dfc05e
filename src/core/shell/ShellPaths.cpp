#include "core/shell/ShellPaths.h"

#include "core/app/Environment.h"
#include "core/io/Text.h"

namespace sonara {

using namespace text;

namespace {

std::string env(const char* name) {
    return environmentValue(name);
}

// A relative entry is ignored, as the base-directory rules ask.
std::vector<std::string> splitList(const std::string& text, char separator, bool absoluteOnly) {
    std::vector<std::string> parts;
    size_t from = 0;
    while (from <= text.size()) {
        const size_t end = std::min(text.find(separator, from), text.size());
        std::string part = text.substr(from, end - from);
        if (!part.empty() && (!absoluteOnly || part.front() == '/')) {
            parts.push_back(absoluteOnly ? withoutTrailingSlash(part) : part);
        }
        from = end + 1;
    }
    return parts;
}

std::string folderOr(const char* variable, const std::string& fallback) {
    const std::string value = env(variable);
    return value.empty() || value.front() != '/' ? fallback : withoutTrailingSlash(value);
}

}  // namespace

ShellPaths ShellPaths::fromEnvironment(const std::string& dataFolder) {
    ShellPaths paths;
    std::string home = withoutTrailingSlash(env("HOME"));
    if (home == "/") {
        home.clear();
    }
    paths.dataFolder = withoutTrailingSlash(dataFolder);
    paths.configHome = folderOr("XDG_CONFIG_HOME", home + "/.config");
    paths.dataHome = folderOr("XDG_DATA_HOME", home + "/.local/share");
    paths.configDirs = splitList(env("XDG_CONFIG_DIRS"), ':', true);
    if (paths.configDirs.empty()) {
        paths.configDirs = {"/etc/xdg"};
    }
    paths.dataDirs = splitList(env("XDG_DATA_DIRS"), ':', true);
    if (paths.dataDirs.empty()) {
        paths.dataDirs = {"/usr/local/share", "/usr/share"};
    }
    for (const std::string& desktop : splitList(env("XDG_CURRENT_DESKTOP"), ':', false)) {
        paths.desktops.push_back(toLowerAscii(desktop));
    }
    return paths;
}

std::vector<std::string> ShellPaths::mimeAppsLookup() const {
    std::vector<std::string> files;
    const auto addFolder = [&](const std::string& folder) {
        for (const std::string& desktop : desktops) {
            files.push_back(folder + "/" + desktop + "-mimeapps.list");
        }
        files.push_back(folder + "/mimeapps.list");
    };
    addFolder(configHome);
    for (const std::string& folder : configDirs) {
        addFolder(folder);
    }
    addFolder(dataHome + "/applications");
    for (const std::string& folder : dataDirs) {
        addFolder(folder + "/applications");
    }
    return files;
}

std::vector<std::string> ShellPaths::applicationFolders() const {
    std::vector<std::string> folders{dataHome + "/applications"};
    for (const std::string& folder : dataDirs) {
        folders.push_back(folder + "/applications");
    }
    return folders;
}

}  // namespace sonara
