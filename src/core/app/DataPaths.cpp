#include "core/app/DataPaths.h"
#include "core/app/Environment.h"
#include "core/app/StringTable.h"

#include <cstdlib>
#include <filesystem>

namespace sonara {

namespace {

std::string env(const char* name) {
    return environmentValue(name);
}

std::string absolute(const std::string& path) {
    std::error_code ec;
    const auto abs = std::filesystem::absolute(path, ec);
    return ec ? path : abs.lexically_normal().string();
}

}  // namespace

DataPaths DataPaths::resolve(const std::string& homeOverride) {
    DataPaths paths;
    std::string home = env("HOME");
    if (home.empty()) {
        home = "/";
    }
    paths.homeFolder = withoutTrailingSlash(home);
    if (paths.homeFolder != "/") {
        paths.homeFolder += '/';
    }

    std::string single = homeOverride.empty() ? env("SONARA_HOME") : homeOverride;
    if (!single.empty()) {
        paths.programFolder = withoutTrailingSlash(absolute(single));
        paths.configFolder = paths.programFolder;
    } else {
        std::string data = env("XDG_DATA_HOME");
        if (data.empty() || data.front() != '/') {
            data = withoutTrailingSlash(home) + "/.local/share";
        }
        std::string config = env("XDG_CONFIG_HOME");
        if (config.empty() || config.front() != '/') {
            config = withoutTrailingSlash(home) + "/.config";
        }
        paths.programFolder = withoutTrailingSlash(data) + "/sonara";
        paths.configFolder = withoutTrailingSlash(config) + "/sonara";
    }
    paths.library = paths.programFolder + "/Sonara.dat";
    paths.sources = paths.programFolder + "/Config.dat";
    paths.pathCache = paths.programFolder + "/DBCache.dat";
    paths.currentPlayList = paths.programFolder + "/CurrPl.snl";
    paths.preferences = paths.configFolder + "/Sonara.ini";
    return paths;
}

Status DataPaths::ensureFolders() const {
    for (const std::string& folder : {programFolder, configFolder}) {
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (ec) {
            return Status::failure(formatText(TextId::FolderNotCreated, folder) + ": " +
                                   ec.message());
        }
    }
    return Status::success();
}

}  // namespace sonara
