#include "platform/MtpLayout.h"

#include <array>
#include <utility>

#include "core/tools/transfer/DeviceNames.h"

namespace sonara::platform {

namespace {

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

Status walkInto(std::uint32_t folder, const std::string& prefix, int levelsLeft,
                const MtpListChildren& list, MtpFolderTree& tree) {
    Result<std::vector<MtpObject>> children = list(folder);
    if (!children) {
        return children.status();
    }
    for (MtpObject& child : children.value()) {
        std::string name = prefix + child.name;
        if (!child.folder) {
            tree.files.push_back({std::move(name), std::move(child)});
        } else if (levelsLeft > 0) {
            Status below = walkInto(child.id, name + "/", levelsLeft - 1, list, tree);
            if (!below) {
                return below;
            }
            tree.foldersDeepestFirst.push_back(child.id);
        }
    }
    return Status::success();
}

}  // namespace

MtpAudioType audioTypeOf(std::string_view fileName) {
    const std::string_view stem = deviceFileStem(fileName);
    if (stem.size() == fileName.size()) {
        return MtpAudioType::Unknown;
    }
    const std::string extension = lowerAscii(fileName.substr(stem.size() + 1));
    static const std::array<std::pair<std::string_view, MtpAudioType>, 10> kTypes{{
        {"mp3", MtpAudioType::Mp3},
        {"mp2", MtpAudioType::Mp2},
        {"wav", MtpAudioType::Wav},
        {"wma", MtpAudioType::Wma},
        {"ogg", MtpAudioType::Ogg},
        {"oga", MtpAudioType::Ogg},
        {"flac", MtpAudioType::Flac},
        {"aac", MtpAudioType::Aac},
        {"m4a", MtpAudioType::M4a},
        {"mp4", MtpAudioType::M4a},
    }};
    for (const auto& [known, type] : kTypes) {
        if (extension == known) {
            return type;
        }
    }
    return MtpAudioType::Unknown;
}

std::optional<std::uint32_t> chooseMusicFolder(std::uint32_t storage,
                                               const std::optional<MtpObject>& defaultFolder,
                                               const std::vector<MtpObject>& topLevel) {
    if (defaultFolder && defaultFolder->folder && defaultFolder->storage == storage) {
        return defaultFolder->id;
    }
    for (const MtpObject& object : topLevel) {
        if (object.folder && object.storage == storage && lowerAscii(object.name) == "music") {
            return object.id;
        }
    }
    return std::nullopt;
}

Result<MtpFolderTree> walkFolder(std::uint32_t root, int levels, const MtpListChildren& list) {
    MtpFolderTree tree;
    Status walked = walkInto(root, "", levels, list, tree);
    if (!walked) {
        return Result<MtpFolderTree>::failure(walked);
    }
    return tree;
}

}  // namespace sonara::platform
