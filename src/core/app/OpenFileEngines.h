#pragma once

#include <string>

#include "core/app/OpenFile.h"

namespace sonara {

class PlayListAdder;
class SongOpener;

// The window's part of opening a file: what needs the loaded skin or the
// window itself. User-interface thread only.
class OpenFileWindow {
  public:
    virtual ~OpenFileWindow() = default;

    // Makes the ".snx" file's skin current and loads it, and tells the user
    // when nothing changed.
    virtual void applySkinPointer(const std::string& path) = 0;
    virtual void bringWindowForward() = 0;
};

// Opened files as the program handles them: songs through the song opener
// (its enqueue timer makes a burst of songs play the first and queue the
// rest), play lists through the play-list adder (which reports missing
// entries itself), skins and the window through `window`. Borrows
// everything. User-interface thread only.
class OpenFileEngines final : public OpenFileActions {
  public:
    OpenFileEngines(SongOpener& songs, PlayListAdder& playList, OpenFileWindow& window)
        : songs_(songs), playList_(playList), window_(window) {}

    void applySkinPointer(const std::string& path) override;
    void openSong(const std::string& path) override;
    void loadPlayList(const std::string& path) override;
    void bringWindowForward() override;

  private:
    SongOpener& songs_;
    PlayListAdder& playList_;
    OpenFileWindow& window_;
};

}  // namespace sonara
