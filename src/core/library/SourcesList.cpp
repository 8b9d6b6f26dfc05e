#include "core/library/SourcesList.h"

#include <algorithm>

#include "core/io/FileAttributes.h"
#include "core/io/Text.h"
#include "core/library/DiskNames.h"
#include "core/library/Drives.h"

namespace sonara {

bool SourceFolder::isPresent() {
    if (state == kUnknown) {
        // A folder named in bytes that are not UTF-8 reads back from the
        // sources file converted: it is used under its name on the disk.
        if (!files::isDirectory(folder)) {
            if (std::string onDisk = disk_names::onDisk(folder); files::isDirectory(onDisk)) {
                folder = std::move(onDisk);
            }
        }
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
    if (indexOfFolder(folder)) {
        return nullptr;
    }
    entries_.push_back(SourceFolder{mediaName, folder, userAdded, SourceFolder::kUnknown});
    return &entries_.back();
}

std::optional<size_t> SourcesList::indexOfFolder(const std::string& folder) const {
    const std::string wanted = withTrailingSlash(folder);
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (text::equalsNoCase(withTrailingSlash(entries_[i].folder), wanted)) {
            return i;
        }
    }
    return std::nullopt;
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

bool SourcesList::hasMediaName(std::string_view name) const {
    return std::any_of(entries_.begin(), entries_.end(), [&](const SourceFolder& entry) {
        return text::equalsNoCase(entry.mediaName, name);
    });
}

size_t SourcesList::renameMedia(std::string_view from, const std::string& to) {
    if (from.empty()) {
        return 0;  // ordinary folders are no medium
    }
    size_t renamed = 0;
    for (auto& entry : entries_) {
        if (text::equalsNoCase(entry.mediaName, from)) {
            entry.mediaName = to;
            ++renamed;
        }
    }
    return renamed;
}

size_t SourcesList::removeMedia(std::string_view name) {
    if (name.empty()) {
        return 0;
    }
    return std::erase_if(entries_, [&](const SourceFolder& entry) {
        return text::equalsNoCase(entry.mediaName, name);
    });
}

int sourceScanBit(const SourceFolder& source, const Drives& drives) {
    return source.mediaName.empty() ? scanBit(drives.kindOf(source.folder)) : kMediaNameBit;
}

}  // namespace sonara
