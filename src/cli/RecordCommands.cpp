// record and genre: the Edit Library Record and Assign Genre commands.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/Json.h"
#include "cli/NumberArg.h"
#include "core/io/FileAttributes.h"
#include "core/library/LocateRecordFile.h"
#include "core/metadata/GenreTable.h"
#include "core/settings/PreferenceStore.h"
#include "core/tools/editing/AssignGenre.h"
#include "core/tools/editing/RecordEditor.h"

namespace sonara::cli {

namespace {

// The forms are in the command table.
constexpr const char* kRecordUsage = "record";
constexpr const char* kGenreUsage = "genre";

LibraryRecord* findRecord(Context& context, const std::string& name) {
    Library& library = context.library();
    LibraryRecord* record = library.at(library.findByName(files::namePart(name)));
    if (record == nullptr) {
        context.report(name + " is not in the library.");
    }
    return record;
}

void printEditor(Context& context, const RecordEditor& editor, bool asJson) {
    if (asJson) {
        JsonWriter json;
        json.beginObject();
        json.field("path", editor.path());
        json.field("mediaName", editor.mediaLine());
        json.field("title", editor.library.title);
        json.field("artist", editor.library.artist);
        json.field("genre", editor.library.genre);
        json.field("comment", editor.library.comment);
        json.field("tagTitle", editor.tag.title);
        json.field("tagArtist", editor.tag.artist);
        json.field("tagAlbum", editor.tag.album);
        json.field("tagYear", editor.tag.year);
        json.field("tagGenre", editor.tag.genre);
        json.field("tagComment", editor.tag.comment);
        json.endObject();
        std::fprintf(context.out(), "%s\n", json.str().c_str());
        return;
    }
    std::fprintf(context.out(),
                 "Path: %s\nMedia: %s\nTitle: %s\nArtist: %s\nGenre: %s\nComment: %s\n"
                 "Tag title: %s\nTag artist: %s\nTag album: %s\nTag year: %s\nTag genre: %s\n"
                 "Tag comment: %s\n",
                 editor.path().c_str(), editor.mediaLine().c_str(), editor.library.title.c_str(),
                 editor.library.artist.c_str(), editor.library.genre.c_str(),
                 editor.library.comment.c_str(), editor.tag.title.c_str(),
                 editor.tag.artist.c_str(), editor.tag.album.c_str(), editor.tag.year.c_str(),
                 editor.tag.genre.c_str(), editor.tag.comment.c_str());
}

// The list shows the tag's title and artist while the tag has both: a
// changed library title or artist would seem not to have been taken.
void noteTagWins(Context& context, const LibraryRecord& record) {
    const NormaliseOptions options = context.prefs().normaliseOptions();
    if (!options.useTagInfo || !record.hasTagTitleAndArtist()) {
        return;
    }
    context.report("The list shows the tag's artist and title, \"" + record.displayArtist(options) +
                   " - " + record.displayTitle(options) +
                   "\": the tag's values win over the record's while the tag has both. "
                   "--copy-to-tag writes the record's values into the tag.");
}

}  // namespace

int runRecord(Context& context, Args& args) {
    const bool asJson = args.takeFlag("--json");
    const bool renameFile = args.takeFlag("--rename-file");
    const bool copyToTag = args.takeFlag("--copy-to-tag");
    const bool copyToLibrary = args.takeFlag("--copy-to-library");
    const auto title = args.takeOption("--title");
    const auto artist = args.takeOption("--artist");
    const auto genre = args.takeOption("--genre");
    const auto comment = args.takeOption("--comment");
    const auto words = args.operands();
    if (args.hasError() || words.size() != 2 || (copyToTag && copyToLibrary)) {
        return usage(context, kRecordUsage, args.error());
    }
    const bool anySet =
        title || artist || genre || comment || renameFile || copyToTag || copyToLibrary;
    const bool show = words[0] == "show" && !anySet;
    if (!show && (words[0] != "set" || asJson)) {
        return usage(context, kRecordUsage);
    }
    LibraryRecord* record = findRecord(context, words[1]);
    if (record == nullptr) {
        return kFailure;
    }
    // As the editor: a file that cannot be found is reported and nothing
    // opens.
    const auto path =
        locateRecordFile(*record, context.pathCache(), context.sources(), &context.prompter());
    if (!path) {
        return kFailure;
    }
    RecordEditor editor(*record, *path, context.prefs().normaliseOptions());
    if (show) {
        printEditor(context, editor, asJson);
        return kSuccess;
    }
    // The editor's "^" button: the tag's four fields into the library ones,
    // which the options given then override.
    if (copyToLibrary)
        editor.copyTagToLibrary();
    if (title)
        editor.library.title = *title;
    if (artist)
        editor.library.artist = *artist;
    if (genre)
        editor.library.genre = *genre;
    if (comment)
        editor.library.comment = *comment;
    // "v": the library fields as now set into the tag, written on OK.
    if (copyToTag)
        editor.copyLibraryToTag();
    editor.renameOnDisk = renameFile;
    if (editor.accept(context.prompter(), context.library(), context.pathCache()) ==
        RecordEditor::Close::StaysOpen) {
        // The dialog would stay open for another try; here nothing more can
        // be typed, so the record stays as it was.
        context.report("The record was not changed.");
        return kFailure;
    }
    if (!context.saveLibrary()) {
        return kFailure;
    }
    if ((title || artist) && !copyToTag) {
        noteTagWins(context, *record);
    }
    if (editor.renamed()) {
        std::fprintf(context.out(), "Renamed to %s\n", editor.path().c_str());
        if (!context.savePathCache()) {
            return kFailure;
        }
    }
    return kSuccess;
}

int runGenre(Context& context, Args& args) {
    const auto words = args.operands();
    if (args.hasError() || words.size() < 3 || words[0] != "assign") {
        return usage(context, kGenreUsage, args.error());
    }
    const Result<int> genre = readGenre(words[1], genres::kCount - 1);
    if (!genre) {
        context.report(genre.error());
        return kFailure;
    }
    std::vector<LibraryRecord*> records;
    bool ok = true;
    for (size_t i = 2; i < words.size(); ++i) {
        if (LibraryRecord* record = findRecord(context, words[i])) {
            records.push_back(record);
        } else {
            ok = false;
        }
    }
    const AssignGenreResult result =
        assignGenre(genres::name(genre.value()), records, context.pathCache(), context.sources(),
                    context.prompter());
    if (!records.empty() && !context.saveLibrary()) {
        return kFailure;
    }
    std::fprintf(context.out(), "Assigned to %zu record(s), %d tag(s) written\n", records.size(),
                 result.tagsWritten);
    return ok && result.writeFailures == 0 ? kSuccess : kFailure;
}

}  // namespace sonara::cli
