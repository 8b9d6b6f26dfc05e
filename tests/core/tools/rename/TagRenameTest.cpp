#include "core/tools/rename/TagRename.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/app/StringTable.h"
#include "core/library/FolderAdd.h"
#include "core/library/Library.h"
#include "core/library/LibraryScans.h"
#include "core/library/PathCache.h"
#include "core/library/RecordFactory.h"
#include "core/library/SourcesList.h"
#include "core/tools/rename/RenameSession.h"
#include "core/tools/rename/SafeRename.h"
#include "support/FakeDrives.h"
#include "support/Mp3Fixture.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace sonara {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedPrompter;
using testing::TempDir;

void writeUntagged(const fs::path& file) {
    testing::writeMp3(file, testing::songSpec(0.1));
}

const RenameCandidate* byOldName(const RenameSearch& search, const std::string& name) {
    for (const auto& candidate : search.candidates) {
        if (candidate.oldName == name) {
            return &candidate;
        }
    }
    return nullptr;
}

TEST(TagRename, ProposalsTicksAndOrder) {
    TempDir dir;
    fs::create_directories(dir.path() / "sub");
    testing::writeTaggedSong(dir.path() / "a.mp3", "Zed", "Song");
    testing::writeTaggedSong(dir.path() / "sub" / "b.MP3", "Abba", "Waterloo");
    testing::writeTaggedSong(dir.path() / "c.mp3", "Only Artist", "");
    testing::writeTaggedSong(dir.path() / "abba - SOS.mp3", "ABBA", "sos");
    writeUntagged(dir.path() / "d.mp3");
    testing::writeText(dir.path() / "notes.txt", "x");

    const RenameSearch search = searchForRename({dir.path().string()}, nullptr);
    ASSERT_EQ(search.candidates.size(), 5u);
    EXPECT_EQ(search.candidates[0].newName, "Abba - Waterloo.MP3");
    EXPECT_EQ(search.candidates[0].folder, dir.file("sub") + "/");
    EXPECT_EQ(search.candidates[1].newName, "Zed - Song.MP3");
    EXPECT_TRUE(search.candidates[0].process && search.candidates[1].process);
    for (size_t i = 2; i < 5; ++i) {
        EXPECT_FALSE(search.candidates[i].process) << i;
    }

    const RenameCandidate* artistOnly = byOldName(search, "c.mp3");
    ASSERT_NE(artistOnly, nullptr);
    EXPECT_EQ(artistOnly->newName, "Only Artist - .MP3");
    // Already named after its tag in another letter case.
    EXPECT_TRUE(byOldName(search, "abba - SOS.mp3")->hasTag);
    RenameCandidate untagged = *byOldName(search, "d.mp3");
    EXPECT_FALSE(untagged.hasTag);
    EXPECT_EQ(untagged.newName, "d.mp3");
    EXPECT_FALSE(toggleProcess(untagged));
    RenameCandidate tagged = *artistOnly;
    EXPECT_TRUE(toggleProcess(tagged));
}

TEST(TagRename, CancelledSearchKeepsWhatItFound) {
    TempDir dir;
    for (int i = 0; i < 4; ++i) {
        testing::writeTaggedSong(dir.path() / ("s" + std::to_string(i) + ".mp3"), "A",
                                 "T" + std::to_string(i));
    }
    ScriptedPrompter prompter;
    prompter.cancelAfterFiles(2);
    RenameSearch search;
    prompter.runProgress("", "", [&](Progress& progress) {
        search = searchForRename({dir.path().string()}, &progress);
        return true;
    });
    EXPECT_TRUE(search.cancelled);
    EXPECT_LT(search.candidates.size(), 4u);
}

TEST(TagRename, RenamesTickedFilesAndAsksFirst) {
    TempDir dir;
    testing::writeTaggedSong(dir.path() / "a.mp3", "Artist", "Title");
    RenameSearch search = searchForRename({dir.path().string()}, nullptr);

    ScriptedPrompter saysNo(Answer::No);
    EXPECT_FALSE(renameCandidates(search.candidates, saysNo, nullptr).asked);
    EXPECT_TRUE(fs::exists(dir.path() / "a.mp3"));

    ScriptedPrompter prompter(Answer::Yes);
    const RenameResult result = renameCandidates(search.candidates, prompter, nullptr);
    EXPECT_EQ(prompter.questions, std::vector<std::string>{"Rename the checked files?"});
    EXPECT_EQ(result.renamed, 1);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_FALSE(fs::exists(dir.path() / "a.mp3"));
    EXPECT_TRUE(fs::exists(dir.path() / "Artist - Title.MP3"));
    // The list is not rebuilt.
    EXPECT_EQ(search.candidates[0].oldName, "a.mp3");

    // Running it again finds the file gone and skips it quietly.
    const RenameResult again = renameCandidates(search.candidates, prompter, nullptr);
    EXPECT_EQ(again.skipped, 1);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST(TagRename, NeverOverwritesOrLeavesTheFolder) {
    TempDir dir;
    fs::create_directories(dir.path() / "music");
    testing::writeTaggedSong(dir.path() / "music" / "a.mp3", "..", "x/../../escaped");
    testing::writeTaggedSong(dir.path() / "music" / "b.mp3", "Same", "Name");
    testing::writeText(dir.path() / "music" / "Same - Name.MP3", "keep me");
    testing::writeTaggedSong(dir.path() / "music" / "c.mp3", "Locked", "Song");
    fs::permissions(dir.path() / "music" / "c.mp3", fs::perms::owner_write,
                    fs::perm_options::remove);

    RenameSearch search = searchForRename({dir.file("music")}, nullptr);
    for (auto& candidate : search.candidates) {
        candidate.process = candidate.hasTag;
    }
    ScriptedPrompter prompter(Answer::Yes);
    const RenameResult result = renameCandidates(search.candidates, prompter, nullptr);
    EXPECT_EQ(result.renamed, 0);
    EXPECT_EQ(result.failed, 3);
    const std::string music = dir.file("music") + "/";
    const auto has = [&](const std::string& text) {
        return std::find(prompter.messages.begin(), prompter.messages.end(), text) !=
               prompter.messages.end();
    };
    EXPECT_TRUE(has(stringText(TextId::IllegalCharacters) + "\n" + music + "a.mp3"));
    EXPECT_TRUE(has(stringText(TextId::IllegalCharacters) + "\n" + music + "b.mp3"));
    EXPECT_TRUE(has(stringText(TextId::ReadOnlyRenameFailed) + "\n" + music + "c.mp3"));
    EXPECT_EQ(testing::readText(dir.path() / "music" / "Same - Name.MP3"), "keep me");
    EXPECT_TRUE(fs::exists(dir.path() / "music" / "a.mp3"));
    EXPECT_TRUE(fs::exists(dir.path() / "music" / "b.mp3"));
    EXPECT_FALSE(fs::exists(dir.path() / "escaped.MP3"));
}

TEST(TagRename, NamesWithCharactersWindowsRefusesFailWith2007) {
    TempDir dir;
    testing::writeTaggedSong(dir.path() / "a.mp3", "Who?", "Why: \"Because\"");
    testing::writeTaggedSong(dir.path() / "b.mp3", "Plain", "Song");
    RenameSearch search = searchForRename({dir.path().string()}, nullptr);
    ScriptedPrompter prompter(Answer::Yes);
    const RenameResult result = renameCandidates(search.candidates, prompter, nullptr);
    EXPECT_EQ(result.renamed, 1);
    EXPECT_EQ(result.failed, 1);
    EXPECT_EQ(prompter.messages, std::vector<std::string>{stringText(TextId::IllegalCharacters) +
                                                          "\n" + dir.file("a.mp3")});
    EXPECT_TRUE(fs::exists(dir.path() / "a.mp3"));
}

TEST(RenameSession, RenamedFilesTakeTheirLibraryRecordsAlong) {
    TempDir dir;
    testing::writeTaggedSong(dir.path() / "one.mp3", "Artist", "Song");
    testing::writeTaggedSong(dir.path() / "two.mp3", "Other", "Tune");
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
    EXPECT_EQ(prompter.progressTitles, std::vector<std::string>{stringText(TextId::PleaseWait)});
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

TEST(SafeRename, RefusesExistingTargetsAndOddNames) {
    TempDir dir;
    testing::writeText(dir.path() / "from", "1");
    testing::writeText(dir.path() / "to", "2");
    EXPECT_EQ(renameNoReplace(dir.file("from"), dir.file("to")), RenameOutcome::TargetExists);
    EXPECT_EQ(testing::readText(dir.path() / "to"), "2");
    EXPECT_EQ(renameNoReplace(dir.file("from"), dir.file("new")), RenameOutcome::Renamed);
    EXPECT_EQ(renameNoReplace(dir.file("gone"), dir.file("other")), RenameOutcome::Failed);
    EXPECT_FALSE(isPlainFileName(""));
    EXPECT_FALSE(isPlainFileName(".."));
    EXPECT_FALSE(isPlainFileName("a/b"));
    EXPECT_FALSE(isPlainFileName(std::string("a\0b", 3)));
    EXPECT_TRUE(isPlainFileName("A - B.MP3"));
    for (const char* odd : {"a\\b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b", "a/b"}) {
        EXPECT_FALSE(isPortableFileName(odd)) << odd;
    }
    EXPECT_TRUE(isPortableFileName("AC-DC - Back in Black (Live).MP3"));
}

}  // namespace
}  // namespace sonara
