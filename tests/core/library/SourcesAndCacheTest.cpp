#include <gtest/gtest.h>

#include <filesystem>

#include "core/io/ArchiveReader.h"
#include "core/io/ArchiveWriter.h"
#include "core/library/PathCache.h"
#include "core/library/PathCacheFile.h"
#include "core/library/SourcesFile.h"
#include "core/library/SourcesList.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace sonara {
namespace {

using testing::ScriptedPrompter;
using testing::TempDir;

TEST(SourcesFile, RoundTripAndTrailingSlash) {
    std::vector<uint8_t> bytes;
    {
        ArchiveWriter out(bytes);
        out.writeUInt32(2);
        out.writeString("");
        out.writeString("/music");  // written without the trailing slash
        out.writeInt32(1);
        out.writeString("Disc 1");
        out.writeString("/media/cd/");
        out.writeInt32(0);
    }
    SourcesList sources;
    ArchiveReader in(bytes);
    ASSERT_TRUE(sources_file::read(in, sources));
    ASSERT_EQ(sources.count(), 2u);
    EXPECT_EQ(sources.at(0).folder, "/music/");
    EXPECT_EQ(sources.at(0).userAdded, 1);
    EXPECT_EQ(sources.at(0).state, SourceFolder::kUnknown);
    EXPECT_EQ(sources.at(1).mediaName, "Disc 1");

    std::vector<uint8_t> again;
    {
        ArchiveWriter out(again);
        sources_file::write(out, sources);
    }
    // The same layout, with the folder now stored with its slash.
    EXPECT_EQ(again.size(), bytes.size() + 1);
    SourcesList reloaded;
    ArchiveReader in2(again);
    ASSERT_TRUE(sources_file::read(in2, reloaded));
    EXPECT_EQ(reloaded.at(0).folder, "/music/");
}

TEST(SourcesFile, DamageKeepsTheEntriesBefore) {
    std::vector<uint8_t> bytes;
    {
        ArchiveWriter out(bytes);
        out.writeUInt32(3);
        out.writeString("");
        out.writeString("/a/");
        out.writeInt32(0);
        out.writeString("");
        out.writeString("/b/");
    }
    SourcesList sources;
    ArchiveReader in(bytes);
    EXPECT_FALSE(sources_file::read(in, sources));
    ASSERT_EQ(sources.count(), 1u);
    EXPECT_EQ(sources.at(0).folder, "/a/");
}

TEST(SourcesList, AddTakesFoldersOnceIgnoringCase) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "Music");
    SourcesList sources;
    ASSERT_NE(sources.add(dir.file("Music"), ""), nullptr);
    EXPECT_EQ(sources.at(0).folder, dir.file("Music") + "/");
    EXPECT_EQ(sources.add(dir.file("music/"), ""), nullptr);
    // A file's path adds its folder.
    ASSERT_NE(sources.add(dir.file("other/song.mp3"), "Disc"), nullptr);
    EXPECT_EQ(sources.at(1).folder, dir.file("other/"));
    EXPECT_EQ(sources.add("", ""), nullptr);
    EXPECT_EQ(sources.count(), 2u);

    EXPECT_TRUE(sources.at(0).isPresent());
    EXPECT_FALSE(sources.at(1).isPresent());
    std::filesystem::create_directory(dir.path() / "other");
    EXPECT_FALSE(sources.at(1).isPresent());  // remembered until reset
    sources.resetStates();
    EXPECT_TRUE(sources.at(1).isPresent());
}

TEST(PathCache, FindAddAndDuplicates) {
    PathCache cache;
    EXPECT_EQ(cache.find("a.mp3"), std::nullopt);
    EXPECT_TRUE(cache.addFile("/m/b.mp3"));
    EXPECT_TRUE(cache.addFile("/m/A.mp3"));
    EXPECT_FALSE(cache.addFile("/other/a.MP3"));  // first found wins
    ASSERT_EQ(cache.count(), 2u);
    EXPECT_EQ(cache.at(cache.find("a.mp3").value()).fullPath, "/m/A.mp3");
    EXPECT_EQ(cache.find("c.mp3"), std::nullopt);
}

TEST(PathCache, AddFilesMergesInOneGoFirstFoundWinning) {
    PathCache cache;
    cache.addFile("/m/b.mp3");
    EXPECT_EQ(cache.addFiles({"/x/a.mp3", "/y/B.MP3", "/z/c.mp3", "/w/A.mp3"}), 2u);
    ASSERT_EQ(cache.count(), 3u);
    EXPECT_EQ(cache.at(0).fullPath, "/x/a.mp3");
    EXPECT_EQ(cache.at(1).fullPath, "/m/b.mp3");
    EXPECT_EQ(cache.at(2).fullPath, "/z/c.mp3");
    EXPECT_EQ(cache.find("C.mp3"), 2u);
}

TEST(PathCacheFile, SameNameTwiceLoadsBothAndFindsOne) {
    std::vector<uint8_t> bytes;
    {
        ArchiveWriter out(bytes);
        out.writeUInt32(3);
        for (const char* path : {"/x/z.mp3", "/x/same.mp3", "/y/same.mp3"}) {
            out.writeString(std::string(path).substr(3));
            out.writeInt32(1);
            out.writeString(path);
        }
    }
    PathCache cache;
    ArchiveReader in(bytes);
    ASSERT_TRUE(path_cache_file::read(in, cache));
    ASSERT_EQ(cache.count(), 3u);
    EXPECT_EQ(cache.at(0).fileName, "same.mp3");  // sorted after reading
    const std::optional<size_t> hit = cache.find("SAME.mp3");
    ASSERT_TRUE(hit);
    EXPECT_EQ(cache.at(*hit).fileName, "same.mp3");
}

TEST(PathCacheFile, DamageSaysResourcesLowAndKeepsTheSortedPart) {
    TempDir dir;
    const std::string path = dir.file("DBCache.dat");
    std::vector<uint8_t> bytes;
    {
        ArchiveWriter out(bytes);
        out.writeUInt32(5);
        for (const char* name : {"m.mp3", "b.mp3"}) {
            out.writeString(name);
            out.writeInt32(0);
            out.writeString(std::string("/f/") + name);
        }
        out.writeString("cut");
    }
    testing::writeBytes(path, bytes);
    PathCache cache;
    ScriptedPrompter prompter;
    EXPECT_EQ(path_cache_file::load(path, cache, prompter), LoadOutcome::Damaged);
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"Resources low"});
    ASSERT_EQ(cache.count(), 2u);
    EXPECT_EQ(cache.at(0).fileName, "b.mp3");

    // Save and load again: the same entries, no message.
    ASSERT_TRUE(path_cache_file::save(path, cache, prompter));
    PathCache again;
    EXPECT_EQ(path_cache_file::load(path, again, prompter), LoadOutcome::Loaded);
    EXPECT_EQ(again.count(), 2u);
    EXPECT_EQ(prompter.messages.size(), 1u);
}

}  // namespace
}  // namespace sonara
