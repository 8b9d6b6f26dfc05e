#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/io/Result.h"

namespace sonara {

// The groups of a default-application list (freedesktop "MIME Applications
// Associations"), whose keys are MIME types and whose values are lists of
// desktop ids, each ended by ';'.
inline constexpr std::string_view kDefaultApplications = "Default Applications";
inline constexpr std::string_view kAddedAssociations = "Added Associations";
inline constexpr std::string_view kRemovedAssociations = "Removed Associations";

// One mimeapps.list in memory. The file is the user's: every line Sonara
// does not change (comments, other groups and keys, their order, blank
// lines, line ends) is written back byte for byte; a changed key keeps its
// place, a new key goes after the last entry of its group, a new group to
// the end. Group and key names match exactly, as the desktop reads them.
// Not thread-safe.
class MimeAppsList {
  public:
    // A missing file is an empty list; a file that cannot be read is a
    // failure, so that nothing is written over it.
    static Result<MimeAppsList> load(const std::string& path);
    static MimeAppsList fromText(std::string_view text);

    // The desktop ids under `key`, empty entries dropped.
    std::vector<std::string> ids(std::string_view group, std::string_view key) const;
    // Replaces the list; an empty list removes the key.
    void setIds(std::string_view group, std::string_view key, const std::vector<std::string>& ids);

    bool changed() const { return changed_; }
    std::string toText() const;
    // Atomically, the folder made when missing.
    Status save(const std::string& path) const;

  private:
    struct Line {
        std::string text;  // without the line end
        bool crlf = false;
    };
    std::optional<size_t> findGroup(std::string_view group) const;
    std::optional<size_t> findKey(size_t groupLine, std::string_view key) const;

    std::vector<Line> lines_;
    bool endsWithNewline_ = true;
    bool changed_ = false;
};

// "a.desktop;b.desktop;" split into its ids, empty entries dropped.
std::vector<std::string> splitDesktopIds(std::string_view value);

}  // namespace sonara
