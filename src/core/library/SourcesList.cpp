#include "core/library/SourcesList.h"

#include "core/io/FileAttributes.h"
#include "core/io/Text.h"

namespace sonara {

std::string withTrailingSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

bool SourceFolder::isPresent() {
    if (state == kUnknown) {
        state = files::isDirectory(folder) ? kPresent : kAbsent;
    }
    return state == kPresent;
}

SourceFolder* SourcesList::add(const std::string& path, const std::string& mediaName,
                               int32_t userAdded) {
    if (path.empty()) {
        return nullptr;
    }
    // A folder named without its trailing "/" is still that folder, not its
    // parent.
    std::string folder = files::isDirectory(path) ? path : files::folderPart(path);
    if (folder.empty()) {
        return nullptr;
    }
    folder = withTrailingSlash(std::move(folder));
    if (indexOfFolder(folder) >= 0) {
        return nullptr;
    }
    entries_.push_back(SourceFolder{mediaName, folder, userAdded, SourceFolder::kUnknown});
    return &entries_.back();
}

long SourcesList::indexOfFolder(const std::string& folder) const {
    const std::string wanted = withTrailingSlash(folder);
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (text::equalsNoCase(withTrailingSlash(entries_[i].folder), wanted)) {
            return long(i);
        }
    }
    return -1;
}

void SourcesList::removeAt(size_t i) {
    if (i < entries_.size()) {
        entries_.erase(entries_.begin() + long(i));
    }
}

void SourcesList::resetStates() {
    for (auto& entry : entries_) {
        entry.state = SourceFolder::kUnknown;
    }
}

}  // namespace sonara
