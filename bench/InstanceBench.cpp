#include "InstanceBench.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ResultTable.h"
#include "core/app/InstanceName.h"
#include "support/Mp3Fixture.h"
#include "support/TempDir.h"

extern char** environ;

namespace sonara::bench {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRuns = 11;
constexpr double kStartToExitTarget = 150;
constexpr double kIntoPlayListTarget = 100;
constexpr auto kPatience = std::chrono::seconds(30);

double msOf(Clock::time_point at) {
    return std::chrono::duration<double, std::milli>(at.time_since_epoch()).count();
}

// The program as a child with `overrides` added to this process's
// environment and its stderr in `errorFile` (appended); -1 on failure.
pid_t spawnProgram(const std::vector<std::string>& arguments,
                   const std::vector<std::string>& overrides, const std::string& errorFile) {
    std::vector<std::string> environment(overrides);
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const std::string key = text.substr(0, text.find('='));
        const bool replaced = std::any_of(overrides.begin(), overrides.end(), [&](auto& o) {
            return o.compare(0, key.size() + 1, key + "=") == 0;
        });
        if (!replaced) {
            environment.push_back(text);
        }
    }
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& entry : environment) {
        envp.push_back(const_cast<char*>(entry.c_str()));
    }
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, errorFile.c_str(), O_WRONLY | O_CREAT | O_APPEND,
                                     0600);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return failed == 0 ? pid : -1;
}

// Waits for `pid`, at most kPatience (then kills it); its exit status or -1.
int waitFor(pid_t pid) {
    const auto giveUp = Clock::now() + kPatience;
    while (Clock::now() < giveUp) {
        int status = 0;
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        if (done < 0) {
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    return -1;
}

// The times (monotonic ms) at which the running program had run a start's
// two commands, from its trace lines "... 2 command(s) run at T ms".
std::vector<double> runTimes(const std::string& traceFile) {
    std::vector<double> times;
    std::ifstream in(traceFile);
    std::string line;
    while (std::getline(in, line)) {
        int count = 0;
        double at = 0;
        if (std::sscanf(line.c_str(), "sonara: instance: %d command(s) run at %lf ms", &count,
                        &at) == 2 &&
            count == 2) {
            times.push_back(at);
        }
    }
    return times;
}

}  // namespace

void runInstanceBench(ResultTable& table) {
    const testing::TempDir temp;
    const std::string runtime = temp.file("runtime");
    ::mkdir(runtime.c_str(), 0700);
    const std::string home = temp.file("home");
    ::mkdir(home.c_str(), 0700);
    const std::string first = temp.file("first.mp3");
    const std::string second = temp.file("second.mp3");
    testing::writeMp3(first, testing::songSpec(2.0));
    testing::writeMp3(second, testing::songSpec(2.0));
    const std::string trace = temp.file("running.log");
    const std::string others = temp.file("others.log");
    const std::vector<std::string> environment = {
        "XDG_RUNTIME_DIR=" + runtime,        "HOME=" + temp.file(""),
        "XDG_CONFIG_HOME=" + temp.file("c"), "XDG_DATA_HOME=" + temp.file("d"),
        "QT_QPA_PLATFORM=offscreen",         "SONARA_TRACE_INSTANCE=1"};
    const std::string program = SONARA_PROGRAM_PATH;

    const pid_t running = spawnProgram({program, "--home", home}, environment, trace);
    // Until it listens, a probe could become the running program itself.
    const std::string socket = runtime + "/sonara/" + instanceName(home);
    const auto giveUp = Clock::now() + kPatience;
    struct stat info {};
    while (running > 0 && ::lstat(socket.c_str(), &info) != 0 && Clock::now() < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    // A start without files returns once the running program serves.
    if (running < 0 || waitFor(spawnProgram({program, "--home", home}, environment, others)) != 0) {
        std::printf("instance bench: the running program did not start:\n%s%s\n",
                    testing::readText(trace).c_str(), testing::readText(others).c_str());
        if (running > 0) {
            ::kill(running, SIGKILL);
            ::waitpid(running, nullptr, 0);
        }
        return;
    }
    double helpMs = 1e300;
    double handOverMs = 1e300;
    std::vector<double> exits;
    bool failed = false;
    for (int run = 0; run < kRuns && !failed; ++run) {
        const auto helpStart = Clock::now();
        failed = waitFor(spawnProgram({program, "--help"}, environment, others)) != 0;
        helpMs = std::min(helpMs, msOf(Clock::now()) - msOf(helpStart));

        const auto start = Clock::now();
        failed = failed || waitFor(spawnProgram({program, "--home", home, first, second},
                                                environment, others)) != 0;
        const auto exited = Clock::now();
        handOverMs = std::min(handOverMs, msOf(exited) - msOf(start));
        exits.push_back(msOf(exited));
    }
    ::kill(running, SIGTERM);
    const bool stopped = waitFor(running) == 0;
    if (failed || !stopped) {
        std::printf("instance bench: a start failed (%s)\n", failed ? "second start" : "exit");
        return;
    }
    const std::vector<double> taken = runTimes(trace);
    if (taken.size() != exits.size()) {
        std::printf("instance bench: %zu of %zu hand-overs were traced\n", taken.size(),
                    exits.size());
        return;
    }
    // The answer comes once the commands are held and they run right after
    // it, so "after the exit" may be below zero: counted as zero.
    std::vector<double> afterExit;
    for (size_t i = 0; i < taken.size(); ++i) {
        afterExit.push_back(std::max(0.0, taken[i] - exits[i]));
    }
    std::sort(afterExit.begin(), afterExit.end());
    const double medianAfterExit = afterExit[afterExit.size() / 2];
    std::printf(
        "instance bench: files in the play list after the exit: median %.1f ms, worst %.1f ms\n",
        medianAfterExit, afterExit.back());
    table.add({"second start with 2 files, start to exit", handOverMs, helpMs, "ms",
               "sonara --help", std::nullopt, kStartToExitTarget, "target"});
    table.add({"its files in the play list, after its exit (median)", medianAfterExit, 0, "ms",
               "the exit", std::nullopt, kIntoPlayListTarget, "target"});
}

}  // namespace sonara::bench
