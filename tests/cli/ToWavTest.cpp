#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "CliRunner.h"
#include "support/Mp3Fixture.h"

namespace sonara::testing {
namespace {

class CliToWav : public ::testing::Test {
  protected:
    std::string song(const std::string& name, double seconds, int rate = 44100) {
        Mp3Spec spec;
        spec.seconds = seconds;
        spec.sampleRate = rate;
        spec.bitrateKbps = rate == 44100 ? 128 : 64;
        writeMp3(cli.files().path() / name, spec);
        return cli.files().file(name);
    }
    CliRunner cli;
};

TEST_F(CliToWav, ConvertsPrintsTheStatusLinesAndStoresTheFolder) {
    const std::string dest = cli.files().file("out/wav");
    const CliRun run = cli.run({"--yes", "towav", "--dest", dest, "--jobs", "1", song("a.mp3", 1.2),
                                song("b c.mp3", 0.8, 22050)});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "File 1 of 2 : a.mp3\nFile 2 of 2 : b c.mp3\nFile(s) converted successfully!\n");
    EXPECT_NE(run.err.find("Would you like to create it?"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dest + "/a.wav"));
    EXPECT_TRUE(std::filesystem::exists(dest + "/b c.wav"));
    EXPECT_EQ(cli.run({"prefs", "get", "WavFilesFolder"}).out, dest + "/\n");
}

TEST_F(CliToWav, AFolderNotToBeCreatedConvertsNothing) {
    const std::string dest = cli.files().file("missing");
    const CliRun run = cli.run({"--no", "towav", "--dest", dest, song("a.mp3", 0.5)});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(std::filesystem::exists(dest));
}

TEST_F(CliToWav, AFailedFileIsNamedAndTheOthersConvert) {
    writeText(cli.files().path() / "junk.mp3", "no audio here");
    const std::string dest = cli.files().file("out");
    std::filesystem::create_directory(dest);
    const CliRun run =
        cli.run({"towav", "--dest", dest, cli.files().file("junk.mp3"), song("good.mp3", 0.5)});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("Some errors occured while converting files\n"), std::string::npos);
    EXPECT_NE(run.err.find("junk.mp3: not MPEG audio"), std::string::npos) << run.err;
    EXPECT_TRUE(std::filesystem::exists(dest + "/good.wav"));
    EXPECT_FALSE(std::filesystem::exists(dest + "/junk.wav"));
}

TEST_F(CliToWav, TwoJobsWriteWhatOneJobWrites) {
    std::vector<std::string> files;
    for (int i = 0; i < 4; ++i) {
        files.push_back(song("t" + std::to_string(i) + ".mp3", 0.5 + i * 0.4));
    }
    const std::string one = cli.files().file("one");
    const std::string two = cli.files().file("two");
    std::filesystem::create_directory(one);
    std::filesystem::create_directory(two);
    std::vector<std::string> args = {"towav", "--dest", one, "--jobs", "1"};
    args.insert(args.end(), files.begin(), files.end());
    const CliRun serial = cli.run(args);
    args[2] = two;
    args[4] = "2";
    const CliRun parallel = cli.run(args);
    EXPECT_EQ(serial.exitCode, 0);
    EXPECT_EQ(parallel.exitCode, 0);
    EXPECT_EQ(parallel.out, serial.out);
    for (int i = 0; i < 4; ++i) {
        const std::string name = "/t" + std::to_string(i) + ".wav";
        EXPECT_EQ(readBytes(two + name), readBytes(one + name)) << name;
        EXPECT_FALSE(readBytes(one + name).empty());
    }
}

TEST_F(CliToWav, AnInterruptCancelsAndLeavesNoPartialFile) {
    // Five hours of 8 kHz mono: seconds to convert, where the interrupt takes
    // a tenth of one.
    Mp3Spec spec;
    spec.seconds = 5 * 3600;
    spec.sampleRate = 8000;
    spec.bitrateKbps = 8;
    spec.stereo = false;
    writeMp3(cli.files().path() / "long.mp3", spec);
    const std::string dest = cli.files().file("out");
    std::filesystem::create_directory(dest);
    const std::string outPath = cli.files().file("interrupted.out");

    std::vector<std::string> words = {
        SONARA_CLI_BINARY, "--home", cli.home().path().string(),  "towav",
        "--dest",          dest,     cli.files().file("long.mp3")};
    std::vector<char*> argv;
    for (auto& w : words) {
        argv.push_back(w.data());
    }
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, 1);
        execv(argv[0], argv.data());
        _exit(127);
    }
    ASSERT_GT(pid, 0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (readText(outPath).find("File 1 of 1") == std::string::npos &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    kill(pid, SIGINT);
    int status = 0;
    const auto patience = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > patience) {
            kill(pid, SIGKILL);  // a conversion that ignores the interrupt
            waitpid(pid, &status, 0);
            FAIL() << "sonara-cli did not end after SIGINT";
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(readText(outPath), "File 1 of 1 : long.mp3\nConversion cancelled!\n");
    EXPECT_TRUE(std::filesystem::is_empty(dest));
}

TEST_F(CliToWav, BadUsageIsExitCodeTwo) {
    const std::string file = song("a.mp3", 0.3);
    const std::string dest = cli.files().path().string();
    EXPECT_EQ(cli.run({"towav", file}).exitCode, 2);
    EXPECT_EQ(cli.run({"towav", "--dest", dest}).exitCode, 2);
    EXPECT_EQ(cli.run({"towav", "--dest", dest, "--jobs", "0", file}).exitCode, 2);
    EXPECT_EQ(cli.run({"towav", "--dest", dest, "--jobs", "many", file}).exitCode, 2);
    EXPECT_EQ(cli.run({"towav", "--dest", dest, "--fast", file}).exitCode, 2);
    const CliRun run = cli.run({"towav", "--dest"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("usage: sonara-cli towav --dest DIR [--jobs N] FILE..."),
              std::string::npos);
}

}  // namespace
}  // namespace sonara::testing
