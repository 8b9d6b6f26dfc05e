#pragma once

#include <string>

#include "core/library/FolderWalk.h"

namespace sonara {

// What an opened file is, by the last three characters of its path,
// ignoring case: "snx" a skin pointer, "mp3" a song, "m3u" or "snl" a play
// list. Anything else (and an empty path) is not opened.
enum class OpenedKind { None, SkinPointer, Song, PlayList };

OpenedKind openedKindOf(const std::string& path);

// What opening a file does to the program; the application implements it
// over the skin, the song opener and the play list, tests with fakes.
// User-interface thread only.
class OpenFileActions {
  public:
    virtual ~OpenFileActions() = default;

    // A ".snx" file: its skin is made current and loaded, the windows re-apply
    // it. A pointer to a broken skin changes nothing and says why.
    virtual void applySkinPointer(const std::string& path) = 0;
    // An MP3 file: to the library and the play list as "AddToLibrary",
    // "AddToPlayList" and the drive's kind say.
    virtual void openSong(const std::string& path) = 0;
    // A text play list: it replaces the current play list.
    virtual void loadPlayList(const std::string& path) = 0;
    // After any file that was opened: the main window comes to the front and
    // is redrawn whole.
    virtual void bringWindowForward() = 0;
};

// Routes `path` by its kind; the kind it was taken for (None: nothing done).
OpenedKind openFile(const std::string& path, OpenFileActions& actions);

// Every "*.MP3" file (ignoring case) of `folder`, not of its sub-folders,
// through openFile, in the order the file system lists them.
WalkResult addFolderFiles(const std::string& folder, OpenFileActions& actions);

// The same for `folder` and every folder below it, depth first: a folder's
// own files, then each of its sub-folders in listing order.
WalkResult addFolderTree(const std::string& folder, OpenFileActions& actions);

}  // namespace sonara
