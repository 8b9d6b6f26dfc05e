#include <cstdio>
#include <cstdlib>

#include "cli/Commands.h"
#include "cli/Json.h"
#include "core/app/StringTable.h"
#include "core/io/FileAttributes.h"
#include "core/metadata/TagRecord.h"

namespace sonara::cli {

namespace {

constexpr const char* kUsageLine =
    "tag show FILE [--json] | tag set FILE [--title T] [--artist A] [--album B] [--year Y] "
    "[--comment C] [--genre NAME|INDEX]";

int show(Context& context, const std::string& path, bool asJson) {
    if (!files::exists(path)) {
        context.report("Unable to find " + path);
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

// A genre given by number (0..255) or by name; -2 when it is neither.
int parseGenre(const std::string& text) {
    if (!text.empty() && text.find_first_not_of("0123456789") == std::string::npos &&
        text.size() <= 3) {
        const int index = std::atoi(text.c_str());
        return index <= 255 ? index : -2;
    }
    return TagRecord::genreIndex(text).value_or(-2);
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
        genreIndex = parseGenre(*genre);
        if (genreIndex == -2) {
            return usage(context, kUsageLine, "unknown genre " + *genre);
        }
    }
    if (!files::exists(path)) {
        context.report("Unable to find " + path);
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
    if (!tag.write()) {
        context.report(stringText(121));
        return kFailure;
    }
    return kSuccess;
}

}  // namespace sonara::cli
