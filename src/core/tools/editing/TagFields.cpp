#include "core/tools/editing/TagFields.h"

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/library/LibraryRecord.h"
#include "core/library/LocateRecordFile.h"
#include "core/metadata/GenreTable.h"
#include "core/metadata/TagCharacters.h"
#include "core/metadata/TagRecord.h"

namespace sonara {

namespace {

// Characters, not bytes: the fields are UTF-8 and the tag stores one byte
// per character.
size_t characterCount(const std::string& text) {
    size_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

}  // namespace

TagFields readTagFields(const std::string& path) {
    TagFields fields;
    if (path.empty()) {
        return fields;
    }
    TagRecord tag(path);
    if (!tag.read()) {
        return fields;
    }
    fields.title = tag.title;
    fields.artist = tag.artist;
    fields.album = tag.album;
    fields.year = tag.year;
    fields.genre = tag.genreName();
    fields.comment = tag.comment;
    return fields;
}

bool tagFieldsValid(const TagFields& fields) {
    return characterCount(fields.comment) <= TagFields::kMaxCommentLength;
}

namespace {

TagRecord tagOf(const std::string& path, const TagFields& fields) {
    TagRecord tag(path);
    tag.title = fields.title;
    tag.artist = fields.artist;
    tag.album = fields.album;
    tag.year = fields.year;
    tag.comment = fields.comment;
    tag.setGenre(TagRecord::genreIndex(fields.genre).value_or(genres::kNone));
    return tag;
}

}  // namespace

Status checkTagFields(const TagFields& fields) {
    return checkTagCharacters(tagOf({}, fields));
}

Status writeTagFields(const std::string& path, const TagFields& fields, Prompter& prompter) {
    const TagRecord tag = tagOf(path, fields);
    if (Status refused = checkTagCharacters(tag); !refused) {
        prompter.message(refused.error(), Icon::Exclamation);
        return refused;
    }
    if (!tag.write()) {
        prompter.message(stringText(TextId::TagWriteFailed), Icon::Exclamation);
        return Status::failure(ErrorKind::Io, stringText(TextId::TagWriteFailed));
    }
    return Status::success();
}

std::optional<std::string> locateForTagDialog(const LibraryRecord& record, const PathCache& cache,
                                              SourcesList& sources, Prompter& prompter) {
    auto path = locateRecordFile(record, cache, sources, nullptr);
    if (!path) {
        prompter.message(formatText(TextId::InsertRemovableMedia, std::string(record.mediaName())),
                         Icon::Exclamation);
    }
    return path;
}

}  // namespace sonara
