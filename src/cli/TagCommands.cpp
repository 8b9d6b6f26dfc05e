#include <cstdio>

#include "cli/Commands.h"
#include "cli/Json.h"
#include "cli/NumberArg.h"
#include "cli/SongArg.h"
#include "core/app/StringTable.h"
#include "core/io/FileAttributes.h"
#include "core/metadata/GenreTable.h"
#include "core/metadata/TagCharacters.h"
#include "core/metadata/TagRecord.h"

namespace sonara::cli {

namespace {

// The forms are in the command table.
constexpr const char* kUsageLine = "tag";

int show(Context& context, const std::string& path, bool asJson) {
    if (const auto problem = songFileProblem(path)) {
        context.report(*problem);
        return kFailure;
    }
    TagRecord tag(path);
    const bool hasTag = tag.read();
    const bool hasExtended = tag.hasExtendedBlock();
    if (asJson) {
        JsonWriter json;
        json.beginObject();
        json.field("hasTag", hasTag);
        json.field("hasExtendedBlock", hasExtended);
        json.field("title", tag.title);
        json.field("artist", tag.artist);
        json.field("album", tag.album);
        json.field("year", tag.year);
        json.field("comment", tag.comment);
        json.field("genre", int(tag.genre));
        json.field("genreName", tag.genreName());
        json.endObject();
        std::fprintf(context.out(), "%s\n", json.str().c_str());
        return kSuccess;
    }
    if (!hasTag) {
        std::fprintf(context.out(), "%s has no tag.\n", path.c_str());
        return kSuccess;
    }
    std::fprintf(context.out(),
                 "Title: %s\nArtist: %s\nAlbum: %s\nYear: %s\nComment: %s\nGenre: %d %s\n"
                 "Extended block: %s\n",
                 tag.title.c_str(), tag.artist.c_str(), tag.album.c_str(), tag.year.c_str(),
                 tag.comment.c_str(), int(tag.genre), tag.genreName().c_str(),
                 hasExtended ? "yes" : "no");
    return kSuccess;
}

}  // namespace

int runTag(Context& context, Args& args) {
    const bool asJson = args.takeFlag("--json");
    const auto title = args.takeOption("--title");
    const auto artist = args.takeOption("--artist");
    const auto album = args.takeOption("--album");
    const auto year = args.takeOption("--year");
    const auto comment = args.takeOption("--comment");
    const auto genre = args.takeOption("--genre");
    const auto words = args.operands();
    if (args.hasError() || words.size() != 2) {
        return usage(context, kUsageLine, args.error());
    }
    const std::string& verb = words[0];
    const std::string& path = words[1];
    const bool anySet = title || artist || album || year || comment || genre;
    if (verb == "show" && !anySet) {
        return show(context, path, asJson);
    }
    if (verb != "set" || asJson) {
        return usage(context, kUsageLine);
    }
    int genreIndex = -1;
    if (genre) {
        const Result<int> chosen = readGenre(*genre, genres::kNone);
        if (!chosen) {
            return usage(context, kUsageLine, chosen.error());
        }
        genreIndex = chosen.value();
    }
    if (const auto problem = songFileProblem(path)) {
        context.report(*problem);
        return kFailure;
    }
    TagRecord tag(path);
    tag.read();
    if (title)
        tag.title = *title;
    if (artist)
        tag.artist = *artist;
    if (album)
        tag.album = *album;
    if (year)
        tag.year = *year;
    if (comment)
        tag.comment = *comment;
    if (genre)
        tag.setGenre(genreIndex);
    if (const Status refused = checkTagCharacters(tag); !refused) {
        context.report(refused.error());
        return kFailure;
    }
    if (!tag.write()) {
        context.report(stringText(TextId::TagWriteFailed));
        return kFailure;
    }
    return kSuccess;
}

}  // namespace sonara::cli
