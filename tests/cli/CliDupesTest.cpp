#include <gtest/gtest.h>

#include <filesystem>

#include "CliRunner.h"
#include "core/app/StringTable.h"
#include "support/Mp3Fixture.h"

namespace sonara::testing {
namespace {

namespace fs = std::filesystem;

// Runs the commands of its scope from `folder`, so that operands can be
// given relative to it.
class InFolder {
  public:
    explicit InFolder(const fs::path& folder) : before_(fs::current_path()) {
        fs::current_path(folder);
    }
    ~InFolder() { fs::current_path(before_); }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

  private:
    fs::path before_;
};

class CliDupes : public ::testing::Test {
  protected:
    std::string song(const std::string& relative, double seconds) {
        const fs::path path = cli.files().path() / relative;
        fs::create_directories(path.parent_path());
        writeMp3(path, songSpec(seconds));
        return path.string();
    }
    std::string music() const { return cli.files().file("music"); }
    CliRunner cli;
};

TEST_F(CliDupes, ListsGroupsWithMarksAndTotals) {
    const std::string big = song("music/a/Song_1.mp3", 2);
    const std::string small = song("music/b/song 1.MP3", 1);
    song("music/b/alone.mp3", 1);
    const CliRun run = cli.run({"dupes", music()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string bigSize = std::to_string(fs::file_size(big));
    const std::string smallSize = std::to_string(fs::file_size(small));
    const auto kb = [](uintmax_t bytes) { return std::to_string(bytes / 1024); };
    EXPECT_EQ(run.out,
              "\tSong_1.mp3\t" + bigSize + "\t" + music() + "/a/\n" + "x\tsong 1.MP3\t" +
                  smallSize + "\t" + music() + "/b/\n" + " Total Duplicates Found (Size):2 (" +
                  kb(fs::file_size(big) + fs::file_size(small)) + "KB)\n" +
                  " Items Marked for Deletion (Size):1 (" + kb(fs::file_size(small)) + "KB)\n");
    const CliRun exact = cli.run({"dupes", "--no-strip", music()});
    EXPECT_NE(exact.out.find("Found (Size):0 (0KB)"), std::string::npos);
    EXPECT_NE((exact.out + exact.err).find(stringText(TextId::NoDuplicates)), std::string::npos);
}

TEST_F(CliDupes, DeleteAsksAndNoKeepsEveryFile) {
    song("music/a/x.mp3", 2);
    const std::string copy = song("music/b/x.mp3", 1);
    const CliRun run = cli.run({"dupes", "--delete", music()}, "n\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE((run.out + run.err).find("Are you sure you want to delete the checked items?"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(copy));
}

TEST_F(CliDupes, DeleteKeepsNumberedCopiesInTheHoldingFolder) {
    const std::string kept = song("music/a/x.mp3", 2);
    const std::string copy = song("music/b/x.mp3", 1);
    const fs::path held = cli.files().path() / "held";
    fs::create_directories(held);
    writeText(held / "x.mp3", "older");
    const auto bytes = readBytes(copy);
    const CliRun run = cli.run({"dupes", "--delete", "--yes", "--copy-to", held.string(), music()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_FALSE(fs::exists(copy));
    EXPECT_TRUE(fs::exists(kept));
    EXPECT_EQ(readText(held / "x.mp3"), "older");
    EXPECT_EQ(readBytes(held / "x(0).mp3"), bytes);
}

TEST_F(CliDupes, ReadOnlyDuplicateIsReportedAndStays) {
    song("music/a/x.mp3", 2);
    const std::string copy = song("music/b/x.mp3", 1);
    fs::permissions(copy, fs::perms(0444));
    const CliRun run = cli.run({"dupes", "--delete", "--yes", "--no-copy", music()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(fs::exists(copy));
    EXPECT_NE((run.out + run.err).find(stringText(TextId::DeleteFailed)), std::string::npos);
}

TEST_F(CliDupes, SourcesAreSearchedByDefault) {
    song("music/a/x.mp3", 1);
    song("music/b/x.mp3", 1);
    song("elsewhere/x.mp3", 1);
    ASSERT_EQ(cli.run({"sources", "add", music() + "/a"}).exitCode, 0);
    ASSERT_EQ(cli.run({"sources", "add", music() + "/b"}).exitCode, 0);
    const CliRun run = cli.run({"dupes", "--sources"});
    EXPECT_NE(run.out.find("Found (Size):2 "), std::string::npos) << run.out;
    EXPECT_EQ(cli.run({"dupes", "--sources", music()}).exitCode, 2);
}

TEST_F(CliDupes, LibraryRecordOutlivesTheDeletedCopyAndFindsTheOneKept) {
    const std::string gone = song("music/a/x.mp3", 1);
    const std::string kept = song("music/b/x.mp3", 2);
    ASSERT_EQ(cli.run({"sources", "add", music()}).exitCode, 0);
    ASSERT_EQ(cli.run({"update"}).exitCode, 0);
    const CliRun run = cli.run({"dupes", "--delete", "--yes", "--no-copy"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_FALSE(fs::exists(gone));
    EXPECT_NE(cli.run({"list"}).out.find("x.mp3"), std::string::npos);
    EXPECT_EQ(cli.run({"locate", "x.mp3"}).out, kept + "\n");
}

TEST_F(CliDupes, RelativeFoldersAreMadeAbsoluteAsTyped) {
    song("music/a/x.mp3", 2);
    const std::string copy = song("music/b/x.mp3", 1);
    const InFolder here(cli.files().path());
    const CliRun run = cli.run({"dupes", "--delete", "--yes", "--copy-to", "held", "music"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("\t" + music() + "/b/\n"), std::string::npos) << run.out;
    EXPECT_TRUE(fs::exists(cli.files().path() / "held" / "x.mp3"));
    EXPECT_EQ(cli.run({"prefs", "get", "DupFilesFolder"}).out, music() + "/\n");
}

}  // namespace
}  // namespace sonara::testing
