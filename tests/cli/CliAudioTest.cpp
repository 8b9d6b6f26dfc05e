#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "cli/CliRunner.h"
#include "support/Mp3Fixture.h"
#include "support/TempDir.h"

namespace sonara::testing {
namespace {

// Points the commands run in its scope at a sound server that is not there.
class NoSoundServer {
  public:
    NoSoundServer() {
        if (const char* value = std::getenv("PULSE_SERVER")) {
            saved_ = value;
        }
        ::setenv("PULSE_SERVER", "unix:/nonexistent/sonara-test/native", 1);
    }
    ~NoSoundServer() {
        if (saved_) {
            ::setenv("PULSE_SERVER", saved_->c_str(), 1);
        } else {
            ::unsetenv("PULSE_SERVER");
        }
    }

  private:
    std::optional<std::string> saved_;
};

TEST(CliAudio, InfoDescribesEachKindOfFile) {
    CliRunner cli;
    Mp3Spec cbr;
    cbr.seconds = 65.5;
    writeMp3(cli.files().file("song.mp3"), cbr);
    Mp3Spec mono;
    mono.sampleRate = 22050;
    mono.bitrateKbps = 64;
    mono.stereo = false;
    mono.layer = 2;
    mono.seconds = 3.2;
    writeMp3(cli.files().file("mono.mp2"), mono);
    writeBytes(cli.files().file("tone.wav"), makeWav(44100, 2, 1.5));

    CliRun run = cli.run({"info", cli.files().file("song.mp3")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "MP3, 128Kbps, 44KHz, Stereo\nLength: 01:05\n");
    run = cli.run({"info", cli.files().file("mono.mp2")});
    EXPECT_EQ(run.out, "MP2, 64Kbps, 22KHz, Mono\nLength: 00:03\n");
    run = cli.run({"info", cli.files().file("tone.wav")});
    EXPECT_EQ(run.out, "Wav, 44KHz, Stereo\nLength: 00:01\n");
}

TEST(CliAudio, BadFilesAndBadUsage) {
    CliRunner cli;
    writeBytes(cli.files().file("junk.mp3"), std::vector<uint8_t>(4000, 0x33));
    CliRun run = cli.run({"info", cli.files().file("junk.mp3")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("junk.mp3"), std::string::npos);
    EXPECT_EQ(cli.run({"info", cli.files().file("none.mp3")}).exitCode, 1);
    EXPECT_EQ(cli.run({"info"}).exitCode, 2);
    EXPECT_EQ(cli.run({"play"}).exitCode, 2);
    EXPECT_EQ(cli.run({"play", "--device", "x", "a.mp3"}).exitCode, 2);
    EXPECT_EQ(cli.run({"volume", "set", "70000"}).exitCode, 2);
    EXPECT_EQ(cli.run({"volume", "up"}).exitCode, 2);
}

TEST(CliAudio, WithoutASoundServerNothingPlaysAndNothingHangs) {
    CliRunner cli;
    Mp3Spec spec;
    spec.seconds = 2;
    writeMp3(cli.files().file("song.mp3"), spec);
    NoSoundServer none;
    CliRun run = cli.run({"play", cli.files().file("song.mp3")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Sonara is unable to use the Output Device: "), std::string::npos)
        << run.err;
    // The hint `devices` gives, for `play` and `playlist play` alike.
    const std::string hint = "no output devices (is the sound server running?)";
    EXPECT_NE(run.err.find(hint), std::string::npos) << run.err;
    ASSERT_EQ(cli.run({"playlist", "add", cli.files().file("song.mp3")}).exitCode, 0);
    run = cli.run({"playlist", "play"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find(hint), std::string::npos) << run.err;
    EXPECT_EQ(cli.run({"devices"}).exitCode, 1);
    EXPECT_EQ(cli.run({"volume"}).exitCode, 1);
}

TEST(CliAudio, PlaysTheFilesInOrderSkippingOnesThatWillNotPlay) {
    CliRunner cli;
    if (std::getenv("PULSE_SERVER") == nullptr) {
        GTEST_SKIP() << "needs the private sound server of scripts/with-pulse";
    }
    Mp3Spec spec;
    spec.seconds = 0.5;
    writeMp3(cli.files().file("a.mp3"), spec);
    writeMp3(cli.files().file("c.mp3"), spec);
    writeBytes(cli.files().file("b.mp3"), std::vector<uint8_t>(3000, 7));
    const CliRun run = cli.run(
        {"play", cli.files().file("a.mp3"), cli.files().file("b.mp3"), cli.files().file("c.mp3")});
    EXPECT_EQ(run.exitCode, 1);  // one file failed
    EXPECT_NE(run.out.find("1/3 a.mp3\nMP3, 128Kbps, 44KHz, Stereo\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("3/3 c.mp3\n"), std::string::npos);
    EXPECT_NE(run.err.find("cannot play"), std::string::npos);

    const CliRun devices = cli.run({"devices"});
    EXPECT_EQ(devices.exitCode, 0);
    EXPECT_EQ(devices.out.rfind("0 ", 0), 0u) << devices.out;
}

}  // namespace
}  // namespace sonara::testing
