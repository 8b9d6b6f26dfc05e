#include "core/app/Drop.h"

namespace sonara {

size_t openDropped(const std::vector<DroppedItem>& items, DropTarget& target) {
    size_t handled = 0;
    for (const DroppedItem& item : items) {
        if (item.path.empty()) {
            continue;
        }
        if (item.isFolder) {
            if (!target.addFolderToLibrary(item.path)) {
                break;
            }
        } else {
            target.openFile(item.path);
        }
        ++handled;
    }
    return handled;
}

}  // namespace sonara
