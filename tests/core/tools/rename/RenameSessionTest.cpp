#include "core/tools/rename/RenameSession.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/app/StringTable.h"
#include "core/library/FolderAdd.h"
#include "core/library/Library.h"
#include "core/library/LibraryScans.h"
#include "core/library/PathCache.h"
#include "core/library/RecordFactory.h"
#include "core/library/SourcesList.h"
#include "support/FakeDrives.h"
#include "support/Mp3Fixture.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace sonara {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedPrompter;
using testing::TempDir;

void writeSong(const fs::path& file, const std::string& artist, const std::string& title) {
    testing::writeTaggedSong(file, testing::id3v1Block(title, artist, "", "", "", 255));
}

TEST(RenameSession, RenamedFilesTakeTheirLibraryRecordsAlong) {
    TempDir dir;
    writeSong(dir.path() / "one.mp3", "Artist", "Song");
    writeSong(dir.path() / "two.mp3", "Other", "Tune");
    Library library;
    SourcesList sources;
    PathCache cache;
    RecordFactory factory{nullptr, false};
    testing::FakeDrives drives;
    ScriptedPrompter prompter(Answer::Yes);
    LibraryScope scope{library, sources, cache, factory, drives, prompter};
    prompter.runProgress("", "", [&](Progress& progress) {
        return addFolderToLibrary(dir.path().string(), scope, false, progress).ok;
    });
    ASSERT_EQ(library.count(), 2u);
    prompter.progressTitles.clear();

    RenameSession session(prompter);
    session.useSources(sources);
    session.search();
    ASSERT_EQ(session.candidates().size(), 2u);
    EXPECT_EQ(prompter.progressTitles, std::vector<std::string>{stringText(60401)});
    session.clearAll();
    EXPECT_TRUE(session.toggle(0));
    session.retag(0, "Artist", "New Song");

    const RenameApplied applied = session.apply(library, cache);
    EXPECT_EQ(applied.result.renamed, 1);
    EXPECT_EQ(applied.recordsMoved, 1);
    EXPECT_TRUE(fs::exists(dir.path() / "Artist - New Song.MP3"));
    EXPECT_TRUE(fs::exists(dir.path() / "two.mp3"));
    EXPECT_GE(library.findByName("Artist - New Song.MP3"), 0);
    EXPECT_LT(library.findByName("one.mp3"), 0);

    EXPECT_EQ(session.useFolders({dir.file("gone")}).kind(), ErrorKind::Absent);
    EXPECT_EQ(session.folders(), std::vector<std::string>{dir.path().string() + "/"});
}

}  // namespace
}  // namespace sonara
