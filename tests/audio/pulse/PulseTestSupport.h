#pragma once

#include <gtest/gtest.h>

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace sonara::testing {

// Tests that need a sound server run under scripts/with-pulse, which names
// its private server in PULSE_SERVER; elsewhere they are skipped.
#define SONARA_REQUIRE_PULSE_SERVER()                                            \
    do {                                                                         \
        if (!::sonara::testing::pulseServerNamed()) {                            \
            GTEST_SKIP() << "no sound server: PULSE_SERVER is unset (run under " \
                            "scripts/with-pulse)";                               \
        }                                                                        \
    } while (false)

bool pulseServerNamed();

// Sets (or, with nothing, removes) an environment variable for a scope.
class ScopedEnvironment {
  public:
    ScopedEnvironment(std::string name, std::optional<std::string> value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    std::string name_;
    std::optional<std::string> saved_;
};

// Points PULSE_SERVER at a socket that does not exist.
class NoSoundServer : public ScopedEnvironment {
  public:
    NoSoundServer();
};

struct CommandResult {
    int status = -1;  // exit status, -1 when it could not run or was killed
    std::string output;
};

// Runs a program (found on PATH) without a shell and collects its output.
// `environment` entries "NAME=value" set a variable for it, "NAME" removes it.
CommandResult runCommand(const std::vector<std::string>& arguments,
                         const std::vector<std::string>& environment = {});

class TempDir;

// A sound server of the test's own (as scripts/with-pulse starts one), for
// tests that make it go away. start() fails when pulseaudio cannot run here.
class PrivatePulseServer {
  public:
    PrivatePulseServer();
    ~PrivatePulseServer();
    PrivatePulseServer(const PrivatePulseServer&) = delete;
    PrivatePulseServer& operator=(const PrivatePulseServer&) = delete;

    // Starts it and waits (up to 5 s) until it answers.
    bool start();
    // What PULSE_SERVER must say to reach it.
    std::string address() const;
    // Kills it at once, as a crash would.
    void kill();
    // Stops it (SIGSTOP): it still holds its socket but answers nothing.
    void freeze();

  private:
    std::unique_ptr<TempDir> dir_;
    pid_t pid_ = -1;
};

// `frames` frames of a 441 Hz tone, stereo, at about half scale.
std::vector<int16_t> stereoTone(size_t frames);

}  // namespace sonara::testing
