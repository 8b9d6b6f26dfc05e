#include <gtest/gtest.h>

#include <filesystem>

#include "CliRunner.h"
#include "core/library/Library.h"
#include "core/library/LibraryFile.h"
#include "core/library/RecordFactory.h"
#include "core/library/SourcesFile.h"
#include "core/library/SourcesList.h"
#include "support/Mp3Fixture.h"
#include "support/ScriptedPrompter.h"

namespace sonara::testing {
namespace {

namespace fs = std::filesystem;

class CliSources : public ::testing::Test {
  protected:
    std::string song(const std::string& relative) {
        const fs::path path = cli.files().path() / relative;
        fs::create_directories(path.parent_path());
        writeMp3(path, songSpec(0.3));
        return path.string();
    }
    std::string folder(const std::string& relative) const {
        return cli.files().file(relative) + "/";
    }
    // The file names `list` prints, one per line.
    std::string listedNames() const {
        const std::string out = cli.run({"list", "--sort", "file"}).out;
        std::string names;
        size_t start = 0;
        while (start < out.size()) {
            const size_t end = out.find('\n', start);
            names += out.substr(start, out.find('\t', start) - start) + "\n";
            start = end + 1;
        }
        return names;
    }

    CliRunner cli;
};

TEST_F(CliSources, AddListAndRemoveSources) {
    song("music/a.mp3");
    song("more/b.mp3");
    CliRun run = cli.run({"sources", "add", folder("music")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    run = cli.run({"sources", "add", cli.files().file("more"), "--media", "Disc"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    run = cli.run({"sources"});
    EXPECT_EQ(run.out, "1\t" + folder("music") + "\t\n2\t" + folder("more") + "\tDisc\n");
    EXPECT_EQ(cli.run({"prefs", "get", "LastUsedFolder"}).out, folder("more") + "\n");

    run = cli.run({"sources", "add", cli.files().file("music")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "You have added this folder previously\n");
    run = cli.run({"sources", "add", cli.files().file("nowhere")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Unable to find"), std::string::npos);
    song("third/c.mp3");
    run = cli.run({"sources", "add", folder("third"), "--media", "disc"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "This removable media name already exists\n");

    EXPECT_EQ(cli.run({"sources", "remove", "1"}).exitCode, 0);
    EXPECT_EQ(cli.run({"sources"}).out, "1\t" + folder("more") + "\tDisc\n");
    EXPECT_EQ(cli.run({"sources", "remove", "2"}).exitCode, 1);
    EXPECT_EQ(cli.run({"sources", "remove", "x"}).exitCode, 1);
    EXPECT_EQ(cli.run({"sources", "frobnicate"}).exitCode, 2);
}

TEST_F(CliSources, UpdateAddsRemovesAndKeepsAnAbsentSource) {
    song("music/a1.mp3");
    song("music/sub/a2.mp3");
    song("disk/b1.mp3");
    ASSERT_EQ(cli.run({"sources", "add", folder("music")}).exitCode, 0);
    ASSERT_EQ(cli.run({"sources", "add", folder("disk")}).exitCode, 0);
    CliRun run = cli.run({"update"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "3 files added. 0 files removed.\n");
    EXPECT_TRUE(fs::exists(cli.home().file("DBCache.dat")));

    fs::remove(cli.files().path() / "music/sub/a2.mp3");
    fs::rename(cli.files().path() / "disk", cli.files().path() / "unplugged");
    run = cli.run({"update"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "0 files added. 1 files removed.\n");
    EXPECT_EQ(run.err,
              folder("disk") + " could not be read; the songs last seen there were kept.\n");
    EXPECT_EQ(listedNames(), "a1.mp3\nb1.mp3\n");

    fs::rename(cli.files().path() / "unplugged", cli.files().path() / "disk");
    EXPECT_EQ(cli.run({"update"}).out, "0 files added. 0 files removed.\n");
}

TEST_F(CliSources, UpdateThatCannotSaveSaysSoAndKeepsTheOldLibrary) {
    song("music/a.mp3");
    ASSERT_EQ(cli.run({"sources", "add", folder("music")}).exitCode, 0);
    ASSERT_EQ(cli.run({"update"}).exitCode, 0);
    song("music/b.mp3");
    fs::permissions(cli.home().file("Sonara.dat"), fs::perms::owner_read);
    CliRun run = cli.run({"update"}, "n\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Sonara.dat was not written: it is read-only."), std::string::npos)
        << run.err;
    EXPECT_EQ(listedNames(), "a.mp3\n");

    run = cli.run({"update"}, "y\n");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "1 files added. 0 files removed.\n");
    EXPECT_EQ(listedNames(), "a.mp3\nb.mp3\n");
}

TEST_F(CliSources, CheckMarksAvailabilityAndLocatePrintsThePath) {
    const std::string kept = song("music/deep/kept.mp3");
    song("music/gone.mp3");
    ASSERT_EQ(cli.run({"sources", "add", folder("music")}).exitCode, 0);
    ASSERT_EQ(cli.run({"update"}).exitCode, 0);
    fs::remove(cli.files().path() / "music/gone.mp3");

    CliRun run = cli.run({"check"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Finished checking availability\n");
    EXPECT_EQ(run.err, "1 of 2 songs are missing.\n");
    EXPECT_EQ(cli.run({"check", "--quiet"}).out, "");
    const std::string json = cli.run({"list", "--json", "--sort", "file"}).out;
    EXPECT_NE(json.find("\"fileName\":\"gone.mp3\",\"mediaName\":\"\",\"playCount\":0,"
                        "\"availability\":4"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"fileName\":\"kept.mp3\",\"mediaName\":\"\",\"playCount\":0,"
                        "\"availability\":0"),
              std::string::npos);

    run = cli.run({"locate", "KEPT.mp3"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, kept + "\n");
    run = cli.run({"locate", "gone.mp3"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Unable to find file.\n");
    EXPECT_EQ(cli.run({"locate"}).exitCode, 2);
}

TEST_F(CliSources, OddNamesAreFoundAndLocatedByName) {
    song("music/-rf.mp3");
    song("music/--help.mp3");
    song("music/it's \"here\" now.mp3");
    song("music/Caf\xe9.mp3");
    ASSERT_EQ(cli.run({"sources", "add", folder("music")}).exitCode, 0);
    EXPECT_EQ(cli.run({"update"}).out, "4 files added. 0 files removed.\n");
    EXPECT_EQ(cli.run({"update"}).out, "0 files added. 0 files removed.\n");
    EXPECT_EQ(cli.run({"locate", "-rf.mp3"}).out, folder("music") + "-rf.mp3\n");
    EXPECT_EQ(cli.run({"locate", "--", "--help.mp3"}).out, folder("music") + "--help.mp3\n");
    EXPECT_EQ(cli.run({"locate", "Caf\xc3\xa9.mp3"}).out, folder("music") + "Caf\xe9.mp3\n");
    EXPECT_EQ(cli.run({"check", "--quiet"}).exitCode, 0);
    EXPECT_EQ(cli.run({"list", "--json"}).out.find("\"availability\":4"), std::string::npos);
}

// Removable media come from the program's other paths (folder adds, the
// wizard); the test writes them into the data files the way those do.
class CliMedia : public CliSources {
  protected:
    void SetUp() override {
        Library library;
        RecordFactory factory(nullptr, false);
        for (const auto& [file, medium] : std::vector<std::pair<std::string, std::string>>{
                 {"a.mp3", "Disc A"}, {"b.mp3", "disc a"}, {"c.mp3", ""}, {"d.mp3", "Disc B"}}) {
            library.addSong("/media/cd/" + file, medium, factory);
        }
        SourcesList sources;
        sources.append(SourceFolder{"Disc A", "/media/cd/", 0, SourceFolder::kUnknown});
        sources.append(SourceFolder{"Disc B", "/media/usb/", 0, SourceFolder::kUnknown});
        ScriptedPrompter prompter;
        ASSERT_TRUE(library_file::save(cli.home().file("Sonara.dat"), library, prompter));
        ASSERT_TRUE(sources_file::save(cli.home().file("Config.dat"), sources, prompter));
    }
};

TEST_F(CliMedia, ListRenameAndTheNameRules) {
    EXPECT_EQ(cli.run({"media"}).out, "Disc A\nDisc B\n");
    CliRun run = cli.run({"media", "rename", "DISC A", "Party"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(cli.run({"media"}).out, "Party\nDisc B\n");
    EXPECT_EQ(cli.run({"sources"}).out, "1\t/media/cd/\tParty\n2\t/media/usb/\tDisc B\n");

    run = cli.run({"media", "rename", "Party", "disc b"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "This removable media name already exists\n");
    run = cli.run({"media", "rename", "Party", ""});
    EXPECT_EQ(run.err, "You must specify a name for this removable media\n");
    EXPECT_EQ(cli.run({"media", "rename", "Party", "PARTY"}).exitCode, 0);
    run = cli.run({"media", "rename", "Nothing", "Else"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(cli.run({"media"}).out, "PARTY\nDisc B\n");

    run = cli.run({"locate", "a.mp3"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Removable media not found:  PARTY \nPlease insert and try again \n");
}

TEST_F(CliMedia, DeleteAsksFirst) {
    CliRun run = cli.run({"media", "delete", "Disc B"}, "n\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Are you sure you want to delete this? [y/n] ");
    EXPECT_EQ(cli.run({"media"}).out, "Disc A\nDisc B\n");

    run = cli.run({"media", "delete", "disc b"}, "y\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(cli.run({"media"}).out, "Disc A\n");
    EXPECT_EQ(cli.run({"sources"}).out, "1\t/media/cd/\tDisc A\n");

    run = cli.run({"media", "delete", "Disc A", "--yes"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(cli.run({"media"}).out, "");
    EXPECT_EQ(listedNames(), "c.mp3\n");
    EXPECT_EQ(cli.run({"sources"}).out, "");
}

}  // namespace
}  // namespace sonara::testing
