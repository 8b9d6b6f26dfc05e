#include <gtest/gtest.h>

#include <memory>

#include "CliRunner.h"
#include "core/library/Library.h"
#include "core/library/LibraryFile.h"
#include "support/RecordBuilder.h"
#include "support/ScriptedPrompter.h"

namespace sonara::testing {
namespace {

struct Song {
    const char* file;
    const char* artist;
    const char* title;
    const char* album;
    const char* genre;
    int availability;
};

class CliSearch : public ::testing::Test {
  protected:
    void SetUp() override {
        write({{"a.mp3", "ABBA", "Waterloo", "Arrival", "Pop", 0},
               {"b.mp3", "Abba", "SOS", "", "pop", 0},
               {"c.mp3", "Taxi", "Cab Ride", "", "Rock", 0},
               {"d.mp3", "The Beatles", "Come Together", "Abbey Road", "Rock", 4},
               {"e.mp3", "beck", "Loser", "", "Fusion", 0}});
    }
    void write(const std::vector<Song>& songs) {
        Library library;
        for (const Song& s : songs) {
            auto r = makeRecord(s.file, s.artist, s.title, s.album, s.genre);
            r->availability = s.availability;
            r->lengthSeconds = 61;
            library.append(std::move(r));
        }
        ScriptedPrompter prompter;
        ASSERT_TRUE(library_file::save(cli.home().file("Sonara.dat"), library, prompter).ok());
    }
    // The first column (file names) of the printed rows.
    static std::string files(const std::string& out) {
        std::string names;
        size_t at = 0;
        while (at < out.size()) {
            const size_t tab = out.find('\t', at);
            const size_t end = out.find('\n', at);
            names += out.substr(at, std::min(tab, end) - at) + " ";
            at = end + 1;
        }
        return names;
    }

    CliRunner cli;
};

TEST_F(CliSearch, TextSearchPrintsRowsAndKeepsTheHistory) {
    CliRun run = cli.run({"search", "all", "ab"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // Sorted by artist, album (empty last), title; the album Abbey Road counts.
    EXPECT_EQ(files(run.out), "a.mp3 b.mp3 c.mp3 d.mp3 ");
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "a.mp3\tABBA\tWaterloo\tArrival\t1:01\t0");

    run = cli.run({"search", "title", "o"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Please enter at least 2 characters to search for\n");
    run = cli.run({"search", "artist", "zz"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Nothing in the database meets your search criteria\n");
    // JSON readers always get an array.
    EXPECT_EQ(cli.run({"search", "artist", "zz", "--json"}).out, "[]\n");
    cli.run({"search", "album", "AB"});

    const std::string ini = readText(cli.home().file("Sonara.ini"));
    EXPECT_NE(ini.find("[SearchHistory]\n#0=AB\n#1=zz\n"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("#2="), std::string::npos);
    EXPECT_EQ(ini.find("=o\n"), std::string::npos);
}

TEST_F(CliSearch, AvailableOnlyAndJson) {
    ASSERT_EQ(cli.run({"prefs", "set", "ShowAvailSongsOnly", "1"}).exitCode, 0);
    CliRun run = cli.run({"search", "album", "abbey"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Nothing in the database meets your search criteria\n");

    run = cli.run({"search", "title", "loser", "--json"});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "[{\"fileName\":\"e.mp3\",\"mediaName\":\"\",\"playCount\":0,"
              "\"availability\":0,\"genre\":\"Fusion\",\"comment\":\"\",\"lengthSeconds\":61,"
              "\"title\":\"Loser\",\"artist\":\"beck\",\"reserved\":\"\","
              "\"tagTitle\":\"\",\"tagArtist\":\"\",\"tagAlbum\":\"\","
              "\"displayTitle\":\"Loser\",\"displayArtist\":\"Beck\","
              "\"displayAlbum\":\"\"}]\n");
}

TEST_F(CliSearch, GenresByNameOrIndex) {
    CliRun run = cli.run({"search", "genre", "POP", "17"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(files(run.out), "a.mp3 b.mp3 c.mp3 d.mp3 ");
    // Either "Fusion" of the table finds the record.
    EXPECT_EQ(files(cli.run({"search", "genre", "84"}).out), "e.mp3 ");
    run = cli.run({"search", "genre", "Jazz"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(cli.run({"search", "genre", "116"}).exitCode, 2);
    EXPECT_EQ(cli.run({"search", "genre", "Polka Dots"}).exitCode, 2);
    EXPECT_EQ(cli.run({"search", "genre"}).exitCode, 2);
    // The picker's letter: every listed genre taken.
    EXPECT_EQ(files(cli.run({"letter", "genre", "r"}).out), "c.mp3 d.mp3 ");
    run = cli.run({"letter", "genre", "1"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "You must select at least one Genre.\n");
}

TEST_F(CliSearch, LetterFilter) {
    EXPECT_EQ(files(cli.run({"letter", "artist", "b"}).out), "e.mp3 ");
    EXPECT_EQ(files(cli.run({"letter", "all", "W"}).out), "a.mp3 ");
    EXPECT_EQ(files(cli.run({"letter", "title", "*"}).out), "a.mp3 b.mp3 e.mp3 c.mp3 d.mp3 ");
    CliRun run = cli.run({"letter", "album", "x"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(cli.run({"letter", "artist", "ab"}).exitCode, 2);
    EXPECT_EQ(cli.run({"letter", "artist", ""}).exitCode, 2);
    EXPECT_EQ(cli.run({"letter", "year", "a"}).exitCode, 2);

    cli.run({"prefs", "set", "UseLibraryWizard", "1"});
    run = cli.run({"letter", "all", "*"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
}

TEST_F(CliSearch, ValuesListsEachDistinctValueOnce) {
    CliRun run = cli.run({"values", "artist", "*"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.out == "ABBA\nBeck\nTaxi\nThe Beatles\n" ||
                run.out == "Abba\nBeck\nTaxi\nThe Beatles\n")
        << run.out;
    EXPECT_EQ(cli.run({"values", "album", "a", "--json"}).out, "[\"Abbey Road\",\"Arrival\"]\n");
    run = cli.run({"values", "title", "q"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "No Titles starting with that symbol were found.\n");
    EXPECT_EQ(cli.run({"values", "title", "q", "--json"}).out, "[]\n");
    EXPECT_EQ(cli.run({"values", "all", "a"}).exitCode, 2);
    EXPECT_EQ(cli.run({"values", "genre", "a"}).exitCode, 2);
}

}  // namespace
}  // namespace sonara::testing
