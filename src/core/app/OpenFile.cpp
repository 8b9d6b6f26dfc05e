#include "core/app/OpenFile.h"

#include <string_view>

#include "core/io/Text.h"
#include "core/playlist/TextPlayList.h"

namespace sonara {

namespace {

constexpr std::string_view kSongPattern = "*.MP3";

}  // namespace

OpenedKind openedKindOf(const std::string& path) {
    if (text::endsWithNoCase(path, "snx")) {
        return OpenedKind::SkinPointer;
    }
    if (text::endsWithNoCase(path, "mp3")) {
        return OpenedKind::Song;
    }
    if (text_playlist::isPlayListName(path)) {
        return OpenedKind::PlayList;
    }
    return OpenedKind::None;
}

OpenedKind openFile(const std::string& path, OpenFileActions& actions) {
    const OpenedKind kind = openedKindOf(path);
    switch (kind) {
        case OpenedKind::SkinPointer:
            actions.applySkinPointer(path);
            break;
        case OpenedKind::Song:
            actions.openSong(path);
            break;
        case OpenedKind::PlayList:
            actions.loadPlayList(path);
            break;
        case OpenedKind::None:
            return kind;
    }
    actions.bringWindowForward();
    return kind;
}

WalkResult addFolderFiles(const std::string& folder, OpenFileActions& actions) {
    return listFolder(folder, kSongPattern, [&](const std::string& file) {
        openFile(file, actions);
        return true;
    });
}

WalkResult addFolderTree(const std::string& folder, OpenFileActions& actions) {
    return walkFolder(folder, kSongPattern, [&](const std::string& file) {
        openFile(file, actions);
        return true;
    });
}

}  // namespace sonara
