#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "core/app/StringTable.h"
#include "core/library/Library.h"
#include "core/library/PathCache.h"
#include "core/library/RecordFactory.h"
#include "core/library/SourcesList.h"
#include "core/metadata/Normaliser.h"
#include "core/metadata/TagRecord.h"
#include "core/tools/editing/AssignGenre.h"
#include "core/tools/editing/RecordEditor.h"
#include "core/tools/editing/TagFields.h"
#include "support/AsNobody.h"
#include "support/Mp3Fixture.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace sonara::testing {
namespace {

namespace fs = std::filesystem;

std::string writeSong(const TempDir& dir, const std::string& name, const std::string& title,
                      const std::string& artist, bool tagged = true) {
    const std::string path = dir.file(name);
    if (tagged) {
        writeTaggedSong(path, id3v1Block(title, artist, "Album", "1999", "note", 17));
    } else {
        writeMp3(path, songSpec(0.1));
    }
    return path;
}

// A library of the given files, each in the path cache.
struct Shelf {
    Library library;
    PathCache cache;
    SourcesList sources;
    RecordFactory factory{nullptr, false};
    NormaliseOptions options;

    LibraryRecord& add(const std::string& path) {
        cache.addFile(path);
        return *library.insert(factory.create(path, ""));
    }
};

TEST(TagFields, UnknownGenreStoresNoGenreAndLongTitleSurvives) {
    TempDir dir;
    const std::string path = writeSong(dir, "a.mp3", "Old", "Band");
    ScriptedPrompter prompter;
    TagFields fields = readTagFields(path);
    EXPECT_EQ(fields.genre, "Rock");
    EXPECT_EQ(fields.album, "Album");

    fields.title = std::string(40, 'x');
    fields.genre = "Not A Genre";
    ASSERT_TRUE(writeTagFields(path, fields, prompter));
    TagRecord tag(path);
    ASSERT_TRUE(tag.read());
    EXPECT_EQ(tag.genre, 255);
    EXPECT_EQ(tag.title, std::string(40, 'x'));
    EXPECT_EQ(readTagFields(path).genre, "");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST(TagFields, CommentLimitCountsCharactersAndFailedWriteShows121) {
    TagFields fields;
    fields.comment = std::string(30, 'c');
    EXPECT_TRUE(tagFieldsValid(fields));
    fields.comment += "c";
    EXPECT_FALSE(tagFieldsValid(fields));
    fields.comment = std::string(15, 'c');
    for (int i = 0; i < 15; ++i) {
        fields.comment += "\xc3\xa9";  // é: two bytes, one character
    }
    EXPECT_TRUE(tagFieldsValid(fields));

    ScriptedPrompter prompter;
    EXPECT_FALSE(writeTagFields("/nonexistent/x.mp3", fields, prompter));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], stringText(TextId::TagWriteFailed));
    EXPECT_TRUE(readTagFields("").title.empty());
}

// "Кино" in ID3v1 would come back as "????": every writer refuses it, names
// the field and the characters, and leaves the file as it was.
TEST(TagFields, TextsTheTagCannotHoldAreRefusedAndNothingIsWritten) {
    const std::string refusal =
        "The artist holds characters that an ID3v1 tag cannot store (К, и, н, о); the tag was "
        "not written.";
    TempDir dir;
    Shelf shelf;
    const std::string path = writeSong(dir, "a.mp3", "Old", "Band");
    const auto before = readBytes(path);
    TagFields fields = readTagFields(path);
    fields.title = "Café à la carte";  // Latin-1 holds these
    EXPECT_TRUE(checkTagFields(fields));
    fields.artist = "Кино";
    const Status checked = checkTagFields(fields);
    EXPECT_EQ(checked.kind(), ErrorKind::Invalid);
    EXPECT_EQ(checked.error(), refusal);
    ScriptedPrompter prompter;
    const Status written = writeTagFields(path, fields, prompter);
    EXPECT_EQ(written.kind(), ErrorKind::Invalid);
    EXPECT_EQ(prompter.messages, std::vector<std::string>{refusal});
    EXPECT_EQ(readBytes(path), before);
    fields.artist = "Band";
    fields.comment = "5 € ♪ €";
    EXPECT_EQ(checkTagFields(fields).error(),
              "The comment holds characters that an ID3v1 tag cannot store (€, ♪); the tag was "
              "not written.");

    // The record editor stays open with the record untouched.
    LibraryRecord& record = shelf.add(path);
    const std::string titleBefore(record.title());
    RecordEditor editor(record, path, shelf.options);
    editor.library.title = "New";
    editor.tag.artist = "Кино";
    prompter.messages.clear();
    EXPECT_EQ(editor.accept(prompter, shelf.library, shelf.cache), RecordEditor::Close::StaysOpen);
    EXPECT_EQ(prompter.messages, std::vector<std::string>{refusal});
    EXPECT_EQ(record.title(), titleBefore);
    EXPECT_EQ(readBytes(path), before);

    // Another tagger's UTF-8 in the file: a new genre would rewrite it as "?".
    const std::string foreign = dir.file("foreign.mp3");
    writeTaggedSong(foreign, id3v1Block("Группа крови", "Кино", "", "", "", 17));
    const auto foreignBefore = readBytes(foreign);
    LibraryRecord& other = shelf.add(foreign);
    prompter.messages.clear();
    const auto result = assignGenre("Jazz", {&other}, shelf.cache, shelf.sources, prompter);
    EXPECT_EQ(result.refused, 1);
    EXPECT_EQ(result.tagsWritten, 0);
    EXPECT_EQ(readBytes(foreign), foreignBefore);
    EXPECT_EQ(
        prompter.messages,
        std::vector<std::string>{foreign + ": The title holds characters that an ID3v1 tag cannot "
                                           "store (Г, р, у, п, а, к, о, в, и); the tag was not "
                                           "written."});
}

TEST(TagFields, TagDialogFindsTheFileOrNamesTheMedium) {
    TempDir dir;
    Shelf shelf;
    const std::string path = writeSong(dir, "a.mp3", "T", "A");
    LibraryRecord& found = shelf.add(path);
    LibraryRecord& gone = shelf.add(dir.file("gone.mp3"));
    fs::remove(dir.file("gone.mp3"));
    shelf.cache.clear();
    shelf.cache.addFile(path);
    gone.setMediaName("Disc 7");
    ScriptedPrompter prompter;
    EXPECT_EQ(locateForTagDialog(found, shelf.cache, shelf.sources, prompter), path);
    EXPECT_FALSE(locateForTagDialog(gone, shelf.cache, shelf.sources, prompter));
    EXPECT_EQ(prompter.messages,
              std::vector<std::string>{formatText(TextId::InsertRemovableMedia, "Disc 7")});
}

TEST(RecordEditor, CopyToTagThenOkWritesLibraryValuesAndUpdatesRecord) {
    TempDir dir;
    Shelf shelf;
    const std::string path = writeSong(dir, "song.mp3", "Tag Title", "Tag Artist");
    LibraryRecord& record = shelf.add(path);
    record.setReserved("x");
    RecordEditor editor(record, path, shelf.options);
    EXPECT_EQ(editor.mediaLine(), "n/a");
    EXPECT_EQ(editor.tag.title, "Tag Title");

    editor.library.title = "New Title";
    editor.library.artist = "New Artist";
    editor.library.genre = "Jazz";
    editor.library.comment = "hi";
    editor.copyLibraryToTag();
    EXPECT_EQ(editor.tag.album, "Album");  // no library counterpart
    ScriptedPrompter prompter;
    EXPECT_EQ(editor.accept(prompter, shelf.library, shelf.cache), RecordEditor::Close::Closed);

    TagRecord tag(path);
    ASSERT_TRUE(tag.read());
    EXPECT_EQ(tag.title, "New Title");
    EXPECT_EQ(tag.artist, "New Artist");
    EXPECT_EQ(tag.genreName(), "Jazz");
    EXPECT_EQ(record.title(), "New Title");
    EXPECT_EQ(record.tagTitle(), "New Title");
    EXPECT_EQ(record.tagAlbum(), "Album");
    EXPECT_EQ(record.genre(), "Jazz");
    EXPECT_EQ(record.comment(), "hi");
    EXPECT_EQ(record.reserved(), "");
    EXPECT_EQ(record.fileName(), "song.mp3");

    editor.tag.title = "Back";
    editor.copyTagToLibrary();
    EXPECT_EQ(editor.library.title, "Back");
}

TEST(RecordEditor, RenameMovesFileAndRecordAndCacheFollow) {
    TempDir dir;
    Shelf shelf;
    const std::string path = writeSong(dir, "song.mp3", "T", "A");
    LibraryRecord& record = shelf.add(path);
    RecordEditor editor(record, path, shelf.options);
    editor.library.artist = "Band";
    editor.library.title = "Tune";
    editor.renameOnDisk = true;
    ScriptedPrompter prompter;
    ASSERT_EQ(editor.accept(prompter, shelf.library, shelf.cache), RecordEditor::Close::Closed);
    const std::string renamed = dir.file("Band - Tune.mp3");
    EXPECT_TRUE(fs::exists(renamed));
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(record.fileName(), "Band - Tune.mp3");
    EXPECT_EQ(shelf.library.findByName("Band - Tune.mp3"), 0u);
    EXPECT_EQ(shelf.cache.find("song.mp3"), std::nullopt);
    const std::optional<size_t> entry = shelf.cache.find("band - tune.mp3");
    ASSERT_TRUE(entry);
    EXPECT_EQ(shelf.cache.at(*entry).fullPath, renamed);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST(RecordEditor, RenameOntoExistingFileKeepsBothFilesAndOldName) {
    TempDir dir;
    Shelf shelf;
    const std::string path = writeSong(dir, "song.mp3", "T", "A");
    const std::string other = writeSong(dir, "Band - Tune.mp3", "Other", "Other");
    const auto otherBytes = readBytes(other);
    LibraryRecord& record = shelf.add(path);
    RecordEditor editor(record, path, shelf.options);
    editor.library.artist = "Band";
    editor.library.title = "Tune";
    editor.renameOnDisk = true;
    ScriptedPrompter prompter;
    EXPECT_EQ(editor.accept(prompter, shelf.library, shelf.cache), RecordEditor::Close::Closed);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], "This filename already exists");
    EXPECT_EQ(record.fileName(), "song.mp3");
    EXPECT_EQ(record.title(), "Tune");  // the rest of the edit still applies
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(readBytes(other), otherBytes);
}

TEST(RecordEditor, RenameOntoAnotherRecordsNameIsRefused) {
    TempDir dir;
    TempDir elsewhere;
    Shelf shelf;
    const std::string path = writeSong(dir, "song.mp3", "T", "A");
    LibraryRecord& record = shelf.add(path);
    shelf.add(writeSong(elsewhere, "Band - Tune.mp3", "x", "y"));
    RecordEditor editor(record, path, shelf.options);
    editor.library.artist = "Band";
    editor.library.title = "Tune";
    editor.renameOnDisk = true;
    ScriptedPrompter prompter;
    EXPECT_EQ(editor.accept(prompter, shelf.library, shelf.cache), RecordEditor::Close::Closed);
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"This filename already exists"});
    EXPECT_TRUE(fs::exists(path));
    EXPECT_FALSE(fs::exists(dir.file("Band - Tune.mp3")));
    EXPECT_EQ(record.fileName(), "song.mp3");
}

TEST(RecordEditor, SlashInNameAsksAndNeverLeavesTheFolder) {
    TempDir dir;
    Shelf shelf;
    const std::string path = writeSong(dir, "song.mp3", "T", "A");
    fs::create_directory(dir.path() / "AC");
    LibraryRecord& record = shelf.add(path);
    const std::string artistBefore(record.artist());
    RecordEditor editor(record, path, shelf.options);
    editor.library.artist = "AC/DC";
    editor.library.title = "Thunder";
    editor.renameOnDisk = true;

    ScriptedPrompter prompter;
    prompter.answerNext(Answer::Yes);
    EXPECT_EQ(editor.accept(prompter, shelf.library, shelf.cache), RecordEditor::Close::StaysOpen);
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_EQ(prompter.questions[0].rfind(stringText(TextId::RenameFailed), 0), 0u);
    EXPECT_NE(prompter.questions[0].find("\n\nNote:  " + stringText(TextId::SlashNotAllowed)),
              std::string::npos);
    EXPECT_EQ(record.artist(), artistBefore);  // still open: nothing taken yet
    EXPECT_TRUE(fs::exists(path));
    EXPECT_TRUE(fs::is_empty(dir.path() / "AC"));

    prompter.answerNext(Answer::No);
    EXPECT_EQ(editor.accept(prompter, shelf.library, shelf.cache), RecordEditor::Close::Closed);
    EXPECT_EQ(record.artist(), "AC/DC");
    EXPECT_EQ(record.fileName(), "song.mp3");
    EXPECT_TRUE(fs::exists(path));
}

TEST(RecordEditor, ReadOnlyFileShows121AndStillUpdatesRecord) {
    TempDir dir;
    Shelf shelf;
    const std::string path = writeSong(dir, "song.mp3", "T", "A");
    const auto before = readBytes(path);
    // Under root the file is then root's and not writable for "nobody".
    AsNobody scope(dir.path(), {});
    ::chmod(path.c_str(), 0444);
    LibraryRecord& record = shelf.add(path);
    RecordEditor editor(record, path, shelf.options);
    editor.library.title = "Changed";
    ScriptedPrompter prompter;
    EXPECT_EQ(editor.accept(prompter, shelf.library, shelf.cache), RecordEditor::Close::Closed);
    EXPECT_EQ(prompter.messages, std::vector<std::string>{stringText(TextId::TagWriteFailed)});
    EXPECT_EQ(record.title(), "Changed");
    EXPECT_EQ(readBytes(path), before);
}

TEST(RecordEditor, RenameInReadOnlyFolderAsksAndKeepsTheFile) {
    TempDir dir;
    Shelf shelf;
    const std::string path = writeSong(dir, "song.mp3", "T", "A");
    LibraryRecord& record = shelf.add(path);
    AsNobody scope(dir.path(), {});
    ::chmod(dir.path().c_str(), 0555);
    RecordEditor editor(record, path, shelf.options);
    editor.library.artist = "Band";
    editor.library.title = "Tune";
    editor.renameOnDisk = true;
    ScriptedPrompter prompter(Answer::No);
    EXPECT_EQ(editor.accept(prompter, shelf.library, shelf.cache), RecordEditor::Close::Closed);
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(prompter.questions.size(), 1u);
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(record.fileName(), "song.mp3");
    EXPECT_EQ(record.artist(), "Band");
    EXPECT_EQ(shelf.cache.at(shelf.cache.find("song.mp3").value()).fullPath, path);
}

TEST(AssignGenre, ReadOnlyFilesShow121OnceAndKeepTheirBytes) {
    TempDir dir;
    Shelf shelf;
    LibraryRecord& a = shelf.add(writeSong(dir, "a.mp3", "One", "A"));
    LibraryRecord& b = shelf.add(writeSong(dir, "b.mp3", "Two", "B"));
    const auto before = readBytes(dir.file("a.mp3"));
    AsNobody scope(dir.path(), {});
    ::chmod(dir.file("a.mp3").c_str(), 0444);
    ::chmod(dir.file("b.mp3").c_str(), 0444);
    ScriptedPrompter prompter;
    const auto result = assignGenre("Jazz", {&a, &b}, shelf.cache, shelf.sources, prompter);
    EXPECT_EQ(result.writeFailures, 2);
    EXPECT_EQ(prompter.messages, std::vector<std::string>{stringText(TextId::TagWriteFailed)});
    EXPECT_EQ(readBytes(dir.file("a.mp3")), before);
    EXPECT_EQ(a.genre(), "Jazz");  // the library keeps the choice
}

TEST(AssignGenre, SetsRecordsAndTagsAndGivesUntaggedFilesATag) {
    TempDir dir;
    Shelf shelf;
    LibraryRecord& tagged = shelf.add(writeSong(dir, "a.mp3", "Keep", "Me"));
    const std::string bare = writeSong(dir, "b.mp3", "", "", false);
    LibraryRecord& untagged = shelf.add(bare);
    LibraryRecord& gone = shelf.add(dir.file("gone.mp3"));
    ScriptedPrompter prompter;
    const auto result =
        assignGenre("jazz", {&tagged, &untagged, &gone}, shelf.cache, shelf.sources, prompter);
    EXPECT_TRUE(result.known);
    EXPECT_EQ(result.tagsWritten, 2);
    EXPECT_EQ(result.notFound, 1);
    EXPECT_EQ(tagged.genre(), "Jazz");
    EXPECT_EQ(gone.genre(), "Jazz");
    TagRecord tag(dir.file("a.mp3"));
    ASSERT_TRUE(tag.read());
    EXPECT_EQ(tag.genreName(), "Jazz");
    EXPECT_EQ(tag.title, "Keep");
    TagRecord fresh(bare);
    ASSERT_TRUE(fresh.read());
    EXPECT_EQ(fresh.genreName(), "Jazz");
    EXPECT_EQ(fresh.title, "");
    EXPECT_TRUE(prompter.messages.empty());

    const auto unknown =
        assignGenre("Polka Metal", {&tagged}, shelf.cache, shelf.sources, prompter);
    EXPECT_FALSE(unknown.known);
    EXPECT_EQ(tagged.genre(), "Jazz");
}

}  // namespace
}  // namespace sonara::testing
