#include "TransferBench.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "ResultTable.h"
#include "Stopwatch.h"
#include "platform/AudioPlayerMarker.h"
#include "platform/FakePortableDevices.h"
#include "platform/MassStoragePlayers.h"
#include "support/TempDir.h"

extern char** environ;

namespace sonara::bench {

namespace {

namespace fs = std::filesystem;

constexpr int kRuns = 3;
constexpr int kSongs = 100;
constexpr size_t kSongBytes = 4 * 1024 * 1024 + 123 * 1024;
constexpr int kListedSongs = 2000;
constexpr double kListingTargetMs = 200;

// Songs of random bytes, each its own, so that nothing below can share or
// skip blocks.
std::vector<std::string> makeSongs(const fs::path& folder) {
    fs::create_directories(folder);
    std::mt19937_64 random(16);
    std::vector<unsigned long long> words(kSongBytes / sizeof(unsigned long long));
    std::vector<std::string> paths;
    for (int i = 0; i < kSongs; ++i) {
        for (auto& word : words) {
            word = random();
        }
        const fs::path path = folder / ("Artist " + std::to_string(i) + " - Song.mp3");
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(words.data()),
                   std::streamsize(words.size() * sizeof words[0]));
        paths.push_back(path.string());
    }
    return paths;
}

// /bin/cp of every song into `folder`, without a shell; false when it failed.
bool runCp(const std::vector<std::string>& songs, const std::string& folder) {
    std::vector<std::string> words{"/bin/cp"};
    words.insert(words.end(), songs.begin(), songs.end());
    words.push_back(folder);
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return false;
    }
    int status = 0;
    return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A folder marked as a player with its songs in Music, the only mount of
// its own table.
struct MarkedPlayer {
    explicit MarkedPlayer(fs::path folder) : root(std::move(folder)) {
        fs::create_directories(root / "Music");
        std::ofstream(root / platform::kAudioPlayerMarkerName)
            << "name=Bench\naudio_folders=Music\n";
        std::ofstream(root.string() + ".mountinfo")
            << "1 0 8:17 / " << root.string() << " rw shared:1 - vfat /dev/sdz1 rw\n";
    }
    ~MarkedPlayer() {
        std::error_code ignored;
        fs::remove_all(root, ignored);
        fs::remove(root.string() + ".mountinfo", ignored);
    }
    platform::MassStoragePlayers players() const {
        platform::MassStoragePlayers found(root.string() + ".mountinfo");
        (void)found.deviceCount();
        return found;
    }
    fs::path root;
};

// Reads every file's name and size as the dialog does.
long long listAll(PortableDevices& devices) {
    long long bytes = 0;
    const auto count = devices.fileCount(1, DeviceMemory::Internal);
    for (int i = 0; count && i < count.value(); ++i) {
        bytes += static_cast<long long>(devices.fileInfo(1, DeviceMemory::Internal, i)->bytes);
    }
    return bytes;
}

void timeSends(const fs::path& scratch, const std::vector<std::string>& songs, ResultTable& table) {
    double cp = 1e300;
    double ours = 1e300;
    bool cpRan = true;
    bool allSent = true;
    // Turn about, so that both meet the same state of the page cache.
    for (int run = 0; run < kRuns; ++run) {
        const fs::path copyFolder = scratch / "cp";
        fs::create_directories(copyFolder);
        cp = std::min(cp, bestMilliseconds(1, [&] { cpRan = runCp(songs, copyFolder) && cpRan; }));
        fs::remove_all(copyFolder);

        const MarkedPlayer player(scratch / "player");
        platform::MassStoragePlayers players = player.players();
        ours = std::min(ours, bestMilliseconds(1, [&] {
                            for (const std::string& song : songs) {
                                const Status sent = players.sendFile(
                                    1, DeviceMemory::Internal, song,
                                    fs::path(song).filename().string(),
                                    [](std::uint64_t, std::uint64_t) { return true; });
                                allSent = allSent && sent.ok();
                            }
                        }));
    }
    const std::string figure = "(a,b) send 100 songs of 4 MB to a marked folder";
    if (!cpRan || !allSent) {
        std::printf("%s: %s failed\n", figure.c_str(), cpRan ? "a send" : "/bin/cp");
        table.add({figure, ours, cpRan ? cp : 0, "ms", "/bin/cp failed", {}, {}, {}});
        return;
    }
    // At least 0.9x the speed of cp is at most 1/0.9 of its time.
    table.add({figure, ours, cp, "ms", "/bin/cp of the same files", 1 / 0.9, {}, {}});
}

void timeMarkedListing(const fs::path& scratch, ResultTable& table) {
    const MarkedPlayer player(scratch / "listed");
    for (int i = 0; i < kListedSongs; ++i) {
        const fs::path album = player.root / "Music" / ("Album " + std::to_string(i / 20));
        if (i % 20 == 0) {
            fs::create_directories(album);
        }
        std::ofstream(album / ("Song " + std::to_string(i) + ".mp3")) << i;
    }
    platform::MassStoragePlayers players = player.players();
    long long bytes = 0;
    const double ours = bestMilliseconds(5, [&] { bytes = listAll(players); });
    const double walk = bestMilliseconds(5, [&] {
        for (const auto& entry : fs::recursive_directory_iterator(player.root / "Music")) {
            if (entry.is_regular_file()) {
                bytes += static_cast<long long>(entry.file_size());
            }
        }
    });
    gSink = gSink + bytes;
    table.add({"(c) list 2,000 songs of a marked folder",
               ours,
               walk,
               "ms",
               "a bare walk with sizes",
               {},
               kListingTargetMs,
               "the target"});
}

void timeFakeListing(ResultTable& table) {
    FakePortableDevices::Player player;
    player.internalTotal = 64ull * 1024 * 1024 * 1024;
    for (int i = 0; i < kListedSongs; ++i) {
        player.internalFiles.push_back(
            {"Artist " + std::to_string(i) + " - Song.mp3", 4000000u + std::uint64_t(i)});
    }
    FakePortableDevices devices({player});
    (void)devices.deviceCount();
    (void)devices.attach(1);
    long long bytes = 0;
    const double ours = bestMilliseconds(5, [&] { bytes = listAll(devices); });
    gSink = gSink + bytes;
    table.add({"(d) list 2,000 songs of the in-memory player",
               ours,
               0,
               "ms",
               "-",
               {},
               kListingTargetMs,
               "the target"});
}

}  // namespace

void runTransferBench(ResultTable& table) {
    const testing::TempDir scratch;
    std::printf("transfer: writing %d songs of %zu bytes...\n", kSongs, kSongBytes);
    const std::vector<std::string> songs = makeSongs(scratch.path() / "songs");
    timeSends(scratch.path(), songs, table);
    timeMarkedListing(scratch.path(), table);
    timeFakeListing(table);
}

}  // namespace sonara::bench
