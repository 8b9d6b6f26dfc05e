#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "CliRunner.h"
#include "support/Mp3Fixture.h"

namespace sonara::testing {
namespace {

namespace fs = std::filesystem;

TEST(CliTop, RequestsRankTheChartAndClearEmptiesIt) {
    CliRunner cli;
    const fs::path music = cli.files().path() / "music";
    fs::create_directories(music);
    for (const char* name : {"A - One.mp3", "B - Two.mp3"}) {
        writeMp3(music / name, songSpec(0.3));
    }
    ASSERT_EQ(cli.run({"add", music.string()}).exitCode, 0);
    CliRun run = cli.run({"top"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(cli.run({"top", "add", "1"}).exitCode, 2);  // no such rank yet

    ASSERT_EQ(cli.run({"playlist", "add-record", "B - Two.mp3"}).exitCode, 0);
    run = cli.run({"top", "--json"});
    EXPECT_NE(run.out.find("\"rank\":1"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"plays\":1"), std::string::npos);
    EXPECT_NE(run.out.find("\"fileName\":\"B - Two.mp3\""), std::string::npos);

    // Adding from the chart queues the song again and counts the request.
    run = cli.run({"top", "add", "1"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    run = cli.run({"top"});
    EXPECT_EQ(run.out.substr(0, 2), "1\t");
    EXPECT_EQ(run.out.substr(run.out.size() - 3), "\t2\n") << run.out;
    run = cli.run({"playlist", "show"});
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2);

    EXPECT_EQ(cli.run({"--no", "top", "clear"}).exitCode, 1);
    EXPECT_NE(cli.run({"top"}).out, "");
    run = cli.run({"--yes", "top", "clear"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("Are you sure you want to reset the list?"), std::string::npos);
    EXPECT_EQ(cli.run({"top"}).out, "");
}

}  // namespace
}  // namespace sonara::testing
