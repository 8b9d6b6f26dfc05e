#include "MpdPeer.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <thread>
#include <vector>

extern char** environ;

namespace sonara::bench {

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

MpdPeer::MpdPeer(std::string musicFolder) : music_(std::move(musicFolder)) {
    std::filesystem::create_directories(dir_.path() / "empty");
    std::filesystem::create_directories(dir_.path() / "playlists");
}

MpdPeer::~MpdPeer() {
    stop();
}

std::string MpdPeer::writeConfig(const std::string& name, const std::string& music) {
    const std::string base = dir_.path().string() + "/";
    const std::string config = base + name;
    testing::writeText(config, "music_directory \"" + music + "\"\n" + "playlist_directory \"" +
                                   base + "playlists\"\n" + "db_file \"" + base + "mpd.db\"\n" +
                                   "log_file \"" + base + "mpd.log\"\n" + "bind_to_address \"" +
                                   base + "mpd.sock\"\n" +
                                   "auto_update \"no\"\n"
                                   "zeroconf_enabled \"no\"\n"
                                   "audio_output {\n  type \"null\"\n  name \"bench\"\n}\n");
    return config;
}

bool MpdPeer::start(const std::string& config, std::string& error) {
    const std::string socketPath = dir_.file("mpd.sock");
    std::filesystem::remove(socketPath);
    std::vector<std::string> words = {"mpd", "--no-daemon", config};
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int spawned = posix_spawnp(&pid, "mpd", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        error = "mpd cannot be started (" + std::string(std::strerror(spawned)) +
                "); scripts/install-deps --bench installs it";
        return false;
    }
    pid_ = pid;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (Clock::now() < deadline) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            error = "mpd ended at start; see its log";
            return false;
        }
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
            socket_ = fd;
            char greeting[128] = {};
            const ssize_t got = ::read(socket_, greeting, sizeof greeting - 1);
            if (got > 0 && std::strncmp(greeting, "OK MPD", 6) == 0) {
                return true;
            }
            error = "mpd did not greet on its socket";
            return false;
        }
        if (fd >= 0) {
            ::close(fd);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    error = "mpd did not open its socket within 10 s";
    return false;
}

void MpdPeer::stop() {
    if (socket_ >= 0) {
        ::close(socket_);
        socket_ = -1;
    }
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
    }
}

std::string MpdPeer::command(const std::string& line) {
    const std::string sent = line + "\n";
    if (::write(socket_, sent.data(), sent.size()) != ssize_t(sent.size())) {
        return "";
    }
    std::string reply;
    char buffer[4096];
    for (;;) {
        if (reply.size() >= 3 && reply.compare(reply.size() - 3, 3, "OK\n") == 0 &&
            (reply.size() == 3 || reply[reply.size() - 4] == '\n')) {
            return reply;
        }
        if (reply.rfind("ACK", 0) == 0 || reply.find("\nACK") != std::string::npos) {
            return "";
        }
        const ssize_t got = ::read(socket_, buffer, sizeof buffer);
        if (got <= 0) {
            return "";
        }
        reply.append(buffer, size_t(got));
    }
}

double MpdPeer::timedUpdate(std::string& error) {
    const auto start = Clock::now();
    if (command("update").find("updating_db:") == std::string::npos) {
        error = "mpd refused the update";
        return 0;
    }
    for (;;) {
        const std::string status = command("status");
        if (status.empty()) {
            error = "mpd stopped answering during the update";
            return 0;
        }
        if (status.find("updating_db:") == std::string::npos) {
            return millisecondsSince(start);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
}

MpdPeer::Timing MpdPeer::measure(int runs) {
    Timing timing;
    // A database of an empty folder, so that each run starts from nothing
    // and no update runs by itself at start.
    const std::string seed = writeConfig("seed.conf", dir_.file("empty"));
    if (!start(seed, timing.error)) {
        return timing;
    }
    timedUpdate(timing.error);
    stop();
    const std::string emptyDb = dir_.file("empty.db");
    std::filesystem::copy_file(dir_.file("mpd.db"), emptyDb,
                               std::filesystem::copy_options::overwrite_existing);
    if (!timing.error.empty()) {
        return timing;
    }

    const std::string config = writeConfig("mpd.conf", music_);
    timing.fromEmptyMs = 1e300;
    timing.unchangedMs = 1e300;
    for (int run = 0; run < runs && timing.error.empty(); ++run) {
        std::filesystem::copy_file(emptyDb, dir_.file("mpd.db"),
                                   std::filesystem::copy_options::overwrite_existing);
        if (!start(config, timing.error)) {
            break;
        }
        timing.fromEmptyMs = std::min(timing.fromEmptyMs, timedUpdate(timing.error));
        timing.unchangedMs = std::min(timing.unchangedMs, timedUpdate(timing.error));
        const std::string stats = command("stats");
        if (const size_t at = stats.find("songs: "); at != std::string::npos) {
            timing.songs = std::stol(stats.substr(at + 7));
        }
        stop();
    }
    return timing;
}

}  // namespace sonara::bench
