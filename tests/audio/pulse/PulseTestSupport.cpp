#include "audio/pulse/PulseTestSupport.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

#include "support/TempDir.h"

extern char** environ;

namespace sonara::testing {

bool pulseServerNamed() {
    const char* server = std::getenv("PULSE_SERVER");
    return server != nullptr && *server != '\0';
}

ScopedEnvironment::ScopedEnvironment(std::string name, std::optional<std::string> value)
    : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str())) {
        saved_ = old;
    }
    if (value) {
        setenv(name_.c_str(), value->c_str(), 1);
    } else {
        unsetenv(name_.c_str());
    }
}

ScopedEnvironment::~ScopedEnvironment() {
    if (saved_) {
        setenv(name_.c_str(), saved_->c_str(), 1);
    } else {
        unsetenv(name_.c_str());
    }
}

NoSoundServer::NoSoundServer()
    : ScopedEnvironment("PULSE_SERVER", "unix:/nonexistent/sonara-test/native") {}

namespace {

// This process's environment with `changes` ("NAME=value" or "NAME") applied.
std::vector<std::string> environmentWith(const std::vector<std::string>& changes) {
    std::vector<std::string> result;
    const auto nameOf = [](const std::string& entry) { return entry.substr(0, entry.find('=')); };
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        bool changed = false;
        for (const auto& change : changes) {
            changed = changed || nameOf(change) == nameOf(text);
        }
        if (!changed) {
            result.push_back(text);
        }
    }
    for (const auto& change : changes) {
        if (change.find('=') != std::string::npos) {
            result.push_back(change);
        }
    }
    return result;
}

std::vector<char*> pointersTo(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (auto& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

CommandResult runCommand(const std::vector<std::string>& arguments,
                         const std::vector<std::string>& environment) {
    CommandResult result;
    int pipeEnds[2];
    if (arguments.empty() || pipe(pipeEnds) != 0) {
        return result;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    std::vector<std::string> argumentTexts = arguments;
    std::vector<std::string> environmentTexts = environmentWith(environment);
    const std::vector<char*> argv = pointersTo(argumentTexts);
    const std::vector<char*> envp = pointersTo(environmentTexts);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned == 0) {
        char buffer[4096];
        ssize_t got = 0;
        while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0) {
            result.output.append(buffer, size_t(got));
        }
        int status = 0;
        if (waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
            result.status = WEXITSTATUS(status);
        }
    }
    close(pipeEnds[0]);
    return result;
}

PrivatePulseServer::PrivatePulseServer() : dir_(std::make_unique<TempDir>()) {}

PrivatePulseServer::~PrivatePulseServer() {
    kill();
}

std::string PrivatePulseServer::address() const {
    return "unix:" + dir_->file("native");
}

bool PrivatePulseServer::start() {
    for (const char* folder : {"home", "config", "runtime"}) {
        std::filesystem::create_directories(dir_->path() / folder);
    }
    chmod(dir_->file("runtime").c_str(), 0700);
    const std::vector<std::string> environment{"HOME=" + dir_->file("home"),
                                               "XDG_CONFIG_HOME=" + dir_->file("config"),
                                               "XDG_RUNTIME_DIR=" + dir_->file("runtime"),
                                               "DBUS_SESSION_BUS_ADDRESS",
                                               "DISPLAY",
                                               "PULSE_SERVER"};
    std::vector<std::string> arguments{
        "pulseaudio",
        "--daemonize=no",
        "-n",
        "--use-pid-file=no",
        "--exit-idle-time=-1",
        "--disallow-exit",
        "--realtime=no",
        "--high-priority=no",
        "--load=module-null-sink sink_name=test rate=44100 channels=2",
        "--load=module-native-protocol-unix auth-anonymous=1 socket=" + dir_->file("native")};
    std::vector<std::string> environmentTexts = environmentWith(environment);
    const std::vector<char*> argv = pointersTo(arguments);
    const std::vector<char*> envp = pointersTo(environmentTexts);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        pid_ = -1;
        return false;
    }
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (runCommand({"pactl", "info"}, {"PULSE_SERVER=" + address()}).status == 0) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

void PrivatePulseServer::kill() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
}

void PrivatePulseServer::freeze() {
    if (pid_ > 0) {
        ::kill(pid_, SIGSTOP);
    }
}

std::vector<int16_t> stereoTone(size_t frames) {
    std::vector<int16_t> samples(frames * 2);
    for (size_t i = 0; i < frames; ++i) {
        const auto value = int16_t(16000 * std::sin(2 * M_PI * 441.0 * double(i) / 44100.0));
        samples[2 * i] = value;
        samples[2 * i + 1] = value;
    }
    return samples;
}

}  // namespace sonara::testing
