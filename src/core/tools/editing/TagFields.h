#pragma once

#include <optional>
#include <string>

#include "core/io/Result.h"

namespace sonara {

class LibraryRecord;
class PathCache;
class Prompter;
class SourcesList;

// The tag dialog's fields, and the tag half of the record editor. The genre
// is a name: typed or picked from the list of the genre table.
struct TagFields {
    static constexpr size_t kMaxCommentLength = 30;

    std::string title;
    std::string artist;
    std::string album;
    std::string year;
    std::string genre;
    std::string comment;

    bool operator==(const TagFields&) const = default;
};

// The fields of the file's tag; all empty when the file has none or cannot
// be read.
TagFields readTagFields(const std::string& path);

// The dialog's input check: a comment of more than 30 characters is refused.
bool tagFieldsValid(const TagFields& fields);

// Invalid when a field holds characters the tag cannot store (its message
// names the field and the characters); checked again by writeTagFields().
Status checkTagFields(const TagFields& fields);

// OK: writes a new tag built from the fields alone (what the extended block
// carries beyond them is blank); a genre name that is not in the table
// stores "no genre". Fields the tag cannot store are refused and nothing is
// written; a failed write shows message 121. Either failure is shown through
// `prompter` and returned.
Status writeTagFields(const std::string& path, const TagFields& fields, Prompter& prompter);

// "Edit Tag Info": the record's file, or nullopt after message 129 naming the
// record's medium (empty for a fixed drive) when it cannot be found.
std::optional<std::string> locateForTagDialog(const LibraryRecord& record, const PathCache& cache,
                                              SourcesList& sources, Prompter& prompter);

}  // namespace sonara
