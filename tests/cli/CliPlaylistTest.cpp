#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "CliRunner.h"
#include "support/Mp3Fixture.h"

namespace sonara::testing {
namespace {

namespace fs = std::filesystem;

// The play-list commands over songs of 2, 3 and 6 seconds (whole frames, a
// little over those lengths).
class CliPlaylist : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(cli.files().path() / "music");
        const double seconds[] = {2, 3, 6};
        int i = 0;
        for (const char* name : {"A - One.mp3", "B - Two.mp3", "C - Three.mp3"}) {
            Mp3Spec spec = songSpec(seconds[i++]);
            if (name[0] == 'B') {
                spec.tail = id3v1Block("Two", "B", "", "", "", 17);  // Rock
            }
            writeMp3(cli.files().path() / "music" / name, spec);
        }
    }
    std::string music(const std::string& name) const {
        return (cli.files().path() / "music" / name).string();
    }
    // The paths `playlist show` lists, in order.
    std::vector<std::string> shown() const {
        const CliRun run = cli.run({"playlist", "show"});
        std::vector<std::string> paths;
        size_t start = 0;
        while (start < run.out.size()) {
            const size_t end = run.out.find('\n', start);
            const std::string line = run.out.substr(start, end - start);
            paths.push_back(line.substr(line.rfind('\t') + 1));
            start = end + 1;
        }
        return paths;
    }

    CliRunner cli;
};

TEST_F(CliPlaylist, AddRecordFindsTheLibrarySongCountsAPlayAndSaves) {
    ASSERT_EQ(cli.run({"add", (cli.files().path() / "music").string()}).exitCode, 0);
    CliRun run = cli.run({"playlist", "add-record", "b - two.MP3", "Nobody.mp3"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "1 entries added\n");
    EXPECT_NE(run.err.find("Nobody.mp3 is not in the library."), std::string::npos);
    EXPECT_EQ(shown(), std::vector<std::string>{music("B - Two.mp3")});
    run = cli.run({"list", "--json"});
    EXPECT_NE(run.out.find("\"fileName\":\"B - Two.mp3\",\"mediaName\":\"\",\"playCount\":1"),
              std::string::npos);
    EXPECT_NE(run.out.find("\"fileName\":\"A - One.mp3\",\"mediaName\":\"\",\"playCount\":0"),
              std::string::npos);

    // A song whose file went away: the program's message, nothing added.
    fs::remove(music("A - One.mp3"));
    run = cli.run({"playlist", "add-record", "A - One.mp3"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Unable to find file."), std::string::npos);
    EXPECT_EQ(shown().size(), 1u);
}

TEST_F(CliPlaylist, MovesRemovalAndTotals) {
    const std::string a = music("A - One.mp3");
    const std::string b = music("B - Two.mp3");
    const std::string c = music("C - Three.mp3");
    const std::string junk = cli.files().file("junk.mp3");
    writeBytes(junk, std::vector<uint8_t>(3000, 0x11));  // no length known
    CliRun run = cli.run({"playlist", "add", a, b, c, junk, "/no/such.mp3"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "4 entries added\n");
    run = cli.run({"playlist", "totals"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "Total: 00:11\nLeft: 00:11\n");

    // Up from the first row swaps it with the last; down from the last back.
    ASSERT_EQ(cli.run({"playlist", "up", "1"}).exitCode, 0);
    EXPECT_EQ(shown(), (std::vector<std::string>{junk, b, c, a}));
    ASSERT_EQ(cli.run({"playlist", "down", "4"}).exitCode, 0);
    ASSERT_EQ(cli.run({"playlist", "down", "2"}).exitCode, 0);
    EXPECT_EQ(shown(), (std::vector<std::string>{a, c, b, junk}));

    ASSERT_EQ(cli.run({"playlist", "remove", "4", "2"}).exitCode, 0);
    EXPECT_EQ(shown(), (std::vector<std::string>{a, b}));
    run = cli.run({"playlist", "remove", "3"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("No play-list entry 3"), std::string::npos);
    EXPECT_EQ(cli.run({"playlist", "up"}).exitCode, 2);
    EXPECT_EQ(cli.run({"playlist", "remove", "x"}).exitCode, 1);
    EXPECT_EQ(cli.run({"playlist", "totals"}).out, "Total: 00:05\nLeft: 00:05\n");
}

TEST_F(CliPlaylist, PlayedStatesResetAndClear) {
    const std::string a = music("A - One.mp3");
    const std::string b = music("B - Two.mp3");
    ASSERT_EQ(cli.run({"playlist", "add", a, b}).exitCode, 0);
    // Mark both played the way a saved list from an earlier run would hold them.
    std::vector<uint8_t> bytes = readBytes(cli.home().file("CurrPl.snl"));
    size_t at = 4;
    for (int i = 0; i < 2; ++i) {
        for (int s = 0; s < 3; ++s) {
            at += 1 + bytes[at];
        }
        bytes[at + 4] = 2;  // state, after reserved
        at += 12;
    }
    writeBytes(cli.home().file("CurrPl.snl"), bytes);
    EXPECT_EQ(cli.run({"playlist", "totals"}).out, "Total: 00:05\nLeft: 00:00\n");
    ASSERT_EQ(cli.run({"playlist", "reset", "2"}).exitCode, 0);
    EXPECT_EQ(cli.run({"playlist", "totals"}).out, "Total: 00:05\nLeft: 00:03\n");
    ASSERT_EQ(cli.run({"playlist", "reset"}).exitCode, 0);
    EXPECT_EQ(cli.run({"playlist", "totals"}).out, "Total: 00:05\nLeft: 00:05\n");

    ASSERT_EQ(cli.run({"playlist", "clear"}).exitCode, 0);
    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(readBytes(cli.home().file("CurrPl.snl")), (std::vector<uint8_t>{0, 0, 0, 0}));
}

TEST_F(CliPlaylist, RandomAddsFollowTheGenreChoice) {
    ASSERT_EQ(cli.run({"add", (cli.files().path() / "music").string()}).exitCode, 0);
    // Only Blues (genre 0): no song has it.
    ASSERT_EQ(cli.run({"prefs", "set", "RandomGenre", "1" + std::string(115, '0')}).exitCode, 0);
    CliRun run = cli.run({"playlist", "random", "1"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "0 entries added\n");
    EXPECT_NE(run.err.find("Random Add Failure!"), std::string::npos);

    // Only Rock: the tagged song, whatever is drawn.
    std::string rock(116, '0');
    rock[17] = '1';
    ASSERT_EQ(cli.run({"prefs", "set", "RandomGenre", rock}).exitCode, 0);
    run = cli.run({"playlist", "random", "1"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(shown(), std::vector<std::string>{music("B - Two.mp3")});

    ASSERT_EQ(cli.run({"prefs", "set", "RandomGenre", ""}).exitCode, 0);
    run = cli.run({"playlist", "random", "3"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(shown().size(), 4u);
    run = cli.run({"list", "--json"});
    EXPECT_EQ(run.out.find("\"playCount\":1"), std::string::npos);  // not requests
    EXPECT_EQ(cli.run({"playlist", "random", "0"}).exitCode, 2);
}

TEST_F(CliPlaylist, ShowNumbersRowsAsIndexOperandsCountThem) {
    const std::string a = music("A - One.mp3");
    const std::string b = music("B - Two.mp3");
    ASSERT_EQ(cli.run({"playlist", "add", a, b}).exitCode, 0);
    CliRun run = cli.run({"playlist", "show"});
    EXPECT_EQ(run.out.rfind("1\tunplayed\t", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("\n2\tunplayed\t"), std::string::npos) << run.out;
    // The row shown as 2 is the one `remove 2` takes.
    ASSERT_EQ(cli.run({"playlist", "remove", "2"}).exitCode, 0);
    EXPECT_EQ(shown(), std::vector<std::string>{a});
}

// Runs the commands of its scope from `folder`.
class InFolder {
  public:
    explicit InFolder(const fs::path& folder) : saved_(fs::current_path()) {
        fs::current_path(folder);
    }
    ~InFolder() { fs::current_path(saved_); }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

  private:
    fs::path saved_;
};

TEST_F(CliPlaylist, RelativePathsAreStoredAbsolute) {
    const std::string a = music("A - One.mp3");
    const std::string b = music("B - Two.mp3");
    writeText(cli.files().path() / "music" / "list.m3u", "B - Two.mp3\r\n");
    {
        InFolder inMusic(cli.files().path() / "music");
        ASSERT_EQ(cli.run({"playlist", "add", "./A - One.mp3"}).exitCode, 0);
        EXPECT_EQ(shown(), std::vector<std::string>{a});
        // From elsewhere the stored path still names the file.
        const CliRun run = cli.run({"playlist", "load", "list.m3u"});
        EXPECT_EQ(run.exitCode, 0) << run.err;
    }
    EXPECT_EQ(shown(), std::vector<std::string>{b});
    ASSERT_EQ(cli.run({"playlist", "load", a}).exitCode, 0);
    EXPECT_EQ(shown(), (std::vector<std::string>{b, a}));
}

TEST_F(CliPlaylist, PlayPlaysTheCurrentListSkippingFilesThatWillNotPlay) {
    EXPECT_EQ(cli.run({"playlist", "play"}).err, "The play list is empty.\n");
    EXPECT_EQ(cli.run({"playlist", "play", "--device", "x"}).exitCode, 2);
    EXPECT_EQ(cli.run({"playlist", "show", "--device", "0"}).exitCode, 2);
    if (std::getenv("PULSE_SERVER") == nullptr) {
        GTEST_SKIP() << "needs the private sound server of scripts/with-pulse";
    }
    const std::string a = cli.files().file("a.mp3");
    const std::string junk = cli.files().file("junk.mp3");
    const std::string c = cli.files().file("c.mp3");
    writeMp3(a, songSpec(0.5));
    writeBytes(junk, std::vector<uint8_t>(3000, 7));
    writeMp3(c, songSpec(0.5));
    ASSERT_EQ(cli.run({"playlist", "add", a, junk, c}).exitCode, 0);
    CliRun run = cli.run({"playlist", "play"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("1/3 a.mp3\nMP3, 128Kbps, 44KHz, Stereo\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("3/3 c.mp3\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("2/3"), std::string::npos) << run.out;
    // The states were saved: everything played, so a second run has nothing.
    run = cli.run({"playlist", "show"});
    for (const char* row : {"1\tplayed\t", "2\tplayed\t", "3\tplayed\t"}) {
        EXPECT_NE(run.out.find(row), std::string::npos) << run.out;
    }
    run = cli.run({"playlist", "play"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("playlist reset"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace sonara::testing
