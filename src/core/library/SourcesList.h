#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/io/FileAttributes.h"

namespace sonara {

class Drives;

// A folder that holds the user's music; on removable media it carries the
// name the user gave the medium.
struct SourceFolder {
    enum State : int { kAbsent = 0, kPresent = 1, kUnknown = 2 };

    std::string mediaName;
    std::string folder;  // full path, ending with "/"
    int32_t userAdded = 0;
    int state = kUnknown;  // not stored; found lazily

    // Tests the folder once after each reset of the state.
    bool isPresent();
};

// The ordered sources; no two folders are equal ignoring case.
class SourcesList {
  public:
    size_t count() const { return entries_.size(); }
    SourceFolder& at(size_t i) { return entries_[i]; }
    const SourceFolder& at(size_t i) const { return entries_[i]; }
    const std::vector<SourceFolder>& entries() const { return entries_; }

    // A file path adds its folder, a folder path the folder itself; a "/" is
    // appended when missing. Returns the entry, or nullptr when the folder
    // was there already (ignoring case) or the path is empty.
    SourceFolder* add(const std::string& path, const std::string& mediaName, int32_t userAdded = 0);
    // The source of `folder`, compared ignoring case and a trailing slash.
    std::optional<size_t> indexOfFolder(const std::string& folder) const;
    void removeAt(size_t i);
    void clear() { entries_.clear(); }
    void resetStates();

    // Whether some source's medium name equals `name` ignoring case.
    bool hasMediaName(std::string_view name) const;
    // Every source of the medium `from` (ignoring case) gets the name `to`;
    // returns how many did.
    size_t renameMedia(std::string_view from, const std::string& to);
    // Removes every source of the medium `name` (ignoring case); returns how
    // many went.
    size_t removeMedia(std::string_view name);
    // For loading the sources file: no checks.
    void append(SourceFolder entry) { entries_.push_back(std::move(entry)); }

  private:
    std::vector<SourceFolder> entries_;
};

// The scan-mask bit of a source: kMediaNameBit when it has a medium name,
// else its drive's.
int sourceScanBit(const SourceFolder& source, const Drives& drives);

// A folder path with the trailing "/" the sources list stores.
using files::withTrailingSlash;

}  // namespace sonara
