#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace sonara {

// One name dropped on the main window, as the window found it on disk (a
// symbolic link counts as what it points to).
struct DroppedItem {
    std::string path;
    bool isFolder = false;
};

// What a drop does. User-interface thread only.
class DropTarget {
  public:
    virtual ~DropTarget() = default;

    // A folder joins the library as a source and its songs become records,
    // as "Add by Folder" does (asking for a medium's name where needed).
    // False when the user cancelled: the rest of the drop is then left.
    virtual bool addFolderToLibrary(const std::string& folder) = 0;
    // A file is opened as one handed over by the desktop: songs, play lists
    // and skin pointers each by their kind.
    virtual void openFile(const std::string& path) = 0;
};

// Handles the dropped names in their order; empty names are passed over.
// The number of names handled.
size_t openDropped(const std::vector<DroppedItem>& items, DropTarget& target);

}  // namespace sonara
