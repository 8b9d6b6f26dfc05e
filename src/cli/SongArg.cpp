#include "cli/SongArg.h"

#include "core/io/FileAttributes.h"
#include "core/library/FolderWalk.h"

namespace sonara::cli {

std::optional<std::string> songFileProblem(const std::string& path) {
    if (files::isDirectory(path)) {
        return path + " is a folder, not an MP3 file.";
    }
    if (!files::exists(path)) {
        return "Unable to find " + path;
    }
    if (!matchesPattern(files::namePart(path), "*.MP3")) {
        return path + " is not an MP3 file.";
    }
    return std::nullopt;
}

}  // namespace sonara::cli
