#include <gtest/gtest.h>

#include <algorithm>

#include "CliRunner.h"
#include "cli/CommandTable.h"
#include "cli/NumberArg.h"

namespace sonara::testing {
namespace {

TEST(CliHelp, TheUsageListsEveryCommandWithItsDescription) {
    CliRunner cli;
    const CliRun help = cli.run({"help"});
    ASSERT_EQ(help.exitCode, 0);
    for (const cli::CommandInfo& command : cli::commandTable()) {
        EXPECT_NE(help.out.find("  " + std::string(command.name) + " "), std::string::npos)
            << command.name;
        EXPECT_NE(help.out.find(std::string(command.description) + "\n"), std::string::npos);
    }
    EXPECT_EQ(cli.run({"--help"}).out, help.out);
    const CliRun bare = cli.run({});
    EXPECT_EQ(bare.exitCode, 2);
    EXPECT_EQ(bare.err, help.out);
}

TEST(CliHelp, ACommandsHelpAndItsUsageErrorsShowTheSameForms) {
    CliRunner cli;
    const CliRun help = cli.run({"help", "record"});
    ASSERT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("usage: sonara-cli record show FILENAME [--json]\n"
                             "   or: sonara-cli record set FILENAME",
                             0),
              0u)
        << help.out;
    EXPECT_NE(help.out.find("--copy-to-tag"), std::string::npos);
    EXPECT_EQ(cli.run({"record", "--help"}).out, help.out);
    const CliRun wrong = cli.run({"record", "show"});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_NE(help.out.find(wrong.err), std::string::npos) << wrong.err;
    // The local --yes of the commands that have one is explained.
    EXPECT_NE(cli.run({"help", "dupes"}).out.find("its --yes answers that question only"),
              std::string::npos);
    EXPECT_EQ(cli.run({"help", "nothing"}).exitCode, 2);
}

TEST(CliHelp, AMistypedCommandGetsTheNearestOne) {
    CliRunner cli;
    CliRun run = cli.run({"lsit"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("unknown command lsit\nDid you mean \"list\"?\n"), std::string::npos)
        << run.err;
    EXPECT_NE(cli.run({"playlists"}).err.find("\"playlist\""), std::string::npos);
    run = cli.run({"frobnicate"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err.find("Did you mean"), std::string::npos);
}

TEST(CliHelp, GenresListsTheTableWithItsNumbers) {
    CliRunner cli;
    const CliRun run = cli.run({"genres"});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.substr(0, 9), "0\tBlues\n1");
    EXPECT_NE(run.out.find("\n17\tRock\n"), std::string::npos);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 116);
    EXPECT_EQ(cli.run({"genres", "extra"}).exitCode, 2);
}

TEST(CliNumbers, OneReaderChecksFormAndRange) {
    EXPECT_EQ(cli::readNumber("42", "N", 1, 64).value(), 42);
    for (const char* bad : {"", " 5", "5 ", "+5", "-1", "0", "65", "4x", "99999999999"}) {
        const Result<int> number = cli::readNumber(bad, "--jobs", 1, 64);
        ASSERT_FALSE(number.ok()) << bad;
        EXPECT_EQ(number.error(),
                  "--jobs must be a whole number from 1 to 64, not \"" + std::string(bad) + "\"");
    }
    EXPECT_EQ(cli::readGenre("rOcK", 115).value(), 17);
    EXPECT_EQ(cli::readGenre("200", 255).value(), 200);
    EXPECT_FALSE(cli::readGenre("200", 115).ok());
    EXPECT_FALSE(cli::readGenre("Polka Dots", 255).ok());
}

TEST(CliNumbers, CommandsNameTheOptionAndTheRange) {
    CliRunner cli;
    CliRun run = cli.run({"towav", "--dest", cli.files().path().string(), "--jobs", "1x", "a.mp3"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("--jobs must be a whole number from 1 to 64"), std::string::npos);
    run = cli.run({"volume", "set", "70000"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("VALUE must be a whole number from 0 to 65535"), std::string::npos);
    run = cli.run({"search", "genre", "116"});
    EXPECT_NE(run.err.find("from 0 to 115"), std::string::npos) << run.err;
    run = cli.run({"tag", "set", "x.mp3", "--genre", "Polka Dots"});
    EXPECT_NE(run.err.find("`sonara-cli genres` lists them"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace sonara::testing
