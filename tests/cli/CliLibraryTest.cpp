#include <gtest/gtest.h>

#include <sys/stat.h>
#include <filesystem>

#include "CliRunner.h"
#include "support/Mp3Fixture.h"

namespace sonara::testing {
namespace {

namespace fs = std::filesystem;

class CliLibrary : public ::testing::Test {
  protected:
    void SetUp() override {
        music = cli.files().path() / "music";
        fs::create_directories(music / "sub");
        song(music / "Band - First.mp3",
             id3v1Block("Tagged Title", "Tag Band", "Album", "2001", "", 17));
        song(music / "sub" / "Zed - Second.mp3", {});
        song(music / "Alpha_band - third_song.MP3", {});
        testing::writeText(music / "notes.txt", "not music");
    }
    void song(const fs::path& path, std::vector<uint8_t> tail) {
        Mp3Spec spec;
        spec.seconds = 3;
        spec.tail = std::move(tail);
        writeMp3(path, spec);
    }
    std::string home(const std::string& name) const { return cli.home().file(name); }

    CliRunner cli;
    fs::path music;
};

TEST_F(CliLibrary, AddFolderListAndTotals) {
    CliRun run = cli.run({"add", music.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "3 files added\n");
    EXPECT_TRUE(fs::exists(home("Sonara.dat")));
    EXPECT_TRUE(fs::exists(home("Config.dat")));
    EXPECT_TRUE(fs::exists(home("DBCache.dat")));

    run = cli.run({"add", music.string()});
    EXPECT_EQ(run.out, "0 files added\n");

    run = cli.run({"list", "--sort", "file"});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "Alpha_band - third_song.MP3\tAlpha Band\tThird Song\t\t0:03\t0\n"
              "Band - First.mp3\tTag Band\tTagged Title\tAlbum\t0:03\t0\n"
              "Zed - Second.mp3\tZed\tSecond\t\t0:03\t0\n");

    run = cli.run({"totals"});
    EXPECT_EQ(run.out, "Total Library Count: 3\nTotal Library Time (hours): 0.0\n");
}

TEST_F(CliLibrary, ListJsonUsesTheRecordFieldNames) {
    cli.run({"add", (music / "Band - First.mp3").string()});
    const CliRun run = cli.run({"list", "--json"});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "[{\"fileName\":\"Band - First.mp3\",\"mediaName\":\"\",\"playCount\":0,"
              "\"availability\":0,\"genre\":\"Rock\",\"comment\":\"\",\"lengthSeconds\":3,"
              "\"title\":\"First\",\"artist\":\"Band\",\"reserved\":\"\","
              "\"tagTitle\":\"Tagged Title\",\"tagArtist\":\"Tag Band\",\"tagAlbum\":\"Album\","
              "\"displayTitle\":\"Tagged Title\",\"displayArtist\":\"Tag Band\","
              "\"displayAlbum\":\"Album\"}]\n");
}

TEST_F(CliLibrary, SortOrdersAndUsageErrors) {
    cli.run({"add", music.string()});
    CliRun run = cli.run({"list", "--sort", "artist"});
    EXPECT_EQ(run.out.substr(0, run.out.find('\t')), "Alpha_band - third_song.MP3");
    run = cli.run({"list", "--sort", "sideways"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("usage: sonara-cli list"), std::string::npos);
    EXPECT_EQ(cli.run({}).exitCode, 2);
    EXPECT_EQ(cli.run({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(cli.run({"list", "--bogus"}).exitCode, 2);
    EXPECT_EQ(cli.run({"add"}).exitCode, 2);
}

TEST_F(CliLibrary, AddReportsWhatItCannotAdd) {
    CliRun run = cli.run({"add", (music / "notes.txt").string(), "/no/such/file.mp3",
                          (music / "Band - First.mp3").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "1 files added\n");
    EXPECT_NE(run.err.find("Unable to find /no/such/file.mp3"), std::string::npos);
    EXPECT_NE(run.err.find("notes.txt is not an MP3 file."), std::string::npos);
}

TEST_F(CliLibrary, RelativePathsAreStoredAbsoluteAndWorkFromElsewhere) {
    const std::string here = cli.files().path().string();
    CliRun run = cli.run({"add", "music/sub", "music/Band - First.mp3"}, "", here);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(cli.run({"sources"}, "", "/").out, "1\t" + (music / "sub").string() + "/\t\n");
    run = cli.run({"locate", "Band - First.mp3"}, "", "/");
    EXPECT_EQ(run.out, (music / "Band - First.mp3").string() + "\n") << run.err;
    EXPECT_EQ(cli.run({"locate", "Zed - Second.mp3"}, "", "/").out,
              (music / "sub" / "Zed - Second.mp3").string() + "\n");
    ASSERT_EQ(cli.run({"sources", "add", "."}, "", music.string()).exitCode, 0);
    EXPECT_NE(cli.run({"sources"}).out.find("\t" + music.string() + "/\t"), std::string::npos);
}

TEST_F(CliLibrary, AddCountsTheFilesItSkips) {
    cli.run({"add", (music / "Band - First.mp3").string()});
    // Another file of a name the library holds is skipped as well.
    song(cli.files().path() / "band - first.MP3", {});
    const CliRun run = cli.run({"add", music.string(), cli.files().file("band - first.MP3")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "2 files added\n");
    EXPECT_NE(run.err.find("2 files skipped: the library already holds a song of that file name."),
              std::string::npos)
        << run.err;
}

TEST_F(CliLibrary, AFolderOrATextFileIsNotTakenForASong) {
    const std::string notes = (music / "notes.txt").string();
    CliRun run = cli.run({"tag", "set", notes, "--title", "T"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, notes + " is not an MP3 file.\n");
    EXPECT_EQ(readText(notes), "not music");
    run = cli.run({"tag", "show", music.string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, music.string() + " is a folder, not an MP3 file.\n");
}

TEST_F(CliLibrary, RemoveDeleteFileAsksAndNamesWhatItDeleted) {
    cli.run({"add", music.string()});
    const fs::path file = music / "sub" / "Zed - Second.mp3";
    CliRun run = cli.run({"remove", "Zed - Second.mp3", "--delete-file"}, "n\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("delete their files from disk? [y/n] "), std::string::npos) << run.err;
    EXPECT_TRUE(fs::exists(file));
    EXPECT_EQ(cli.run({"totals"}).out.substr(0, 23), "Total Library Count: 3\n");

    run = cli.run({"remove", "Zed - Second.mp3", "--delete-file"}, "y\n");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Deleted " + file.string() + "\n");
    EXPECT_FALSE(fs::exists(file));
    run = cli.run({"--yes", "remove", "Band - First.mp3", "--delete-file"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_FALSE(fs::exists(music / "Band - First.mp3"));
}

TEST_F(CliLibrary, RemoveByNameAndDeleteTheFile) {
    cli.run({"add", music.string()});
    CliRun run = cli.run({"remove", "band - FIRST.mp3"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(fs::exists(music / "Band - First.mp3"));
    EXPECT_EQ(cli.run({"totals"}).out.substr(0, 23), "Total Library Count: 2\n");

    run = cli.run({"remove", "Zed - Second.mp3", "--delete-file", "--yes"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_FALSE(fs::exists(music / "sub" / "Zed - Second.mp3"));

    run = cli.run({"remove", "nothing.mp3"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("nothing.mp3"), std::string::npos);
}

TEST_F(CliLibrary, ReadOnlyLibraryFileIsAskedAbout) {
    cli.run({"add", music.string()});
    const std::string library = home("Sonara.dat");
    const std::string before = readText(library);
    chmod(library.c_str(), 0444);

    CliRun run = cli.run({"--no", "remove", "Zed - Second.mp3"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Unable to write to file " + library), std::string::npos);
    EXPECT_EQ(readText(library), before);

    // Asked on the terminal: "n" refuses as well.
    run = cli.run({"remove", "Zed - Second.mp3"}, "n\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(readText(library), before);

    run = cli.run({"--yes", "remove", "Zed - Second.mp3"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(readText(library), before);
    struct stat st {};
    stat(library.c_str(), &st);
    EXPECT_TRUE(st.st_mode & S_IWUSR);
}

TEST_F(CliLibrary, DamagedLibraryKeepsItsCompleteRecordsAndACopy) {
    cli.run({"add", music.string()});
    const std::string library = home("Sonara.dat");
    std::string bytes = readText(library);
    bytes.resize(bytes.size() - 5);
    writeText(library, bytes);
    const CliRun run = cli.run({"totals"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.substr(0, 23), "Total Library Count: 2\n");
    EXPECT_NE(run.err.find("damaged"), std::string::npos);
    EXPECT_EQ(readText(library + ".damaged"), bytes);
}

}  // namespace
}  // namespace sonara::testing
