#include "UpdateBench.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "MpdPeer.h"
#include "Stopwatch.h"
#include "audio/Mpg123LengthProbe.h"
#include "core/library/Library.h"
#include "core/library/LibraryFile.h"
#include "core/library/LibraryScans.h"
#include "core/library/PathCache.h"
#include "core/library/PathCacheFile.h"
#include "core/library/RecordFactory.h"
#include "core/library/SourcesList.h"
#include "platform/LinuxDrives.h"
#include "support/ScriptedPrompter.h"

extern char** environ;

namespace sonara::bench {

namespace {

constexpr int kRuns = 3;

// The state a run of the program holds, and its data files.
struct Program {
    explicit Program(const std::string& tree) : factory(&probe, true) { sources.add(tree, "", 1); }

    // The library update as the menu runs it: the scan, then the path cache
    // and the library saved.
    LibraryUpdateResult update(bool save) {
        LibraryScope scope{library, sources, cache, factory, drives, prompter};
        const LibraryUpdateResult result = runLibraryUpdate(scope);
        if (save) {
            ok = path_cache_file::save(files.file("DBCache.dat"), cache, prompter) &&
                 library_file::save(files.file("Sonara.dat"), library, prompter) && ok;
        }
        return result;
    }

    testing::TempDir files;
    audio::Mpg123LengthProbe probe;
    RecordFactory factory;
    platform::LinuxDrives drives;
    testing::ScriptedPrompter prompter;
    Library library;
    SourcesList sources;
    PathCache cache;
    bool ok = true;
};

// `find TREE`, its listing thrown away, as the floor of a walk that only
// lists names.
double findListing(const std::string& tree, std::string& error) {
    return bestMilliseconds(kRuns + 2, [&] {
        std::vector<std::string> words = {"find", tree};
        std::vector<char*> argv = {words[0].data(), words[1].data(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        pid_t pid = -1;
        if (posix_spawnp(&pid, "find", &actions, nullptr, argv.data(), environ) != 0) {
            error = "find cannot be started";
        } else {
            int status = 0;
            ::waitpid(pid, &status, 0);
        }
        posix_spawn_file_actions_destroy(&actions);
    });
}

}  // namespace

void runUpdateBench(const BenchCorpus& corpus, ResultTable& table) {
    const std::string tree = corpus.root().string() + "/";
    const std::string n = std::to_string(corpus.paths().size());
    const double raw = bestMilliseconds(kRuns, [&] { readHeadsAndTails(corpus); });
    const std::string rawName = "walk: open, 4 KiB head, 359 B tail";

    // From empty: a fresh program each run, so every file is new; making and
    // ending the program is not timed.
    long added = 0;
    const auto fromEmptyRuns = [&](bool save) {
        double best = 1e300;
        for (int run = 0; run < kRuns + 2; ++run) {
            Program fresh(tree);
            const auto began = std::chrono::steady_clock::now();
            added = fresh.update(save).added;
            best = std::min(best, std::chrono::duration<double, std::milli>(
                                      std::chrono::steady_clock::now() - began)
                                      .count());
        }
        return best;
    };
    const double fromEmpty = fromEmptyRuns(true);
    const double fromEmptyUnsaved = fromEmptyRuns(false);

    Program program(tree);
    program.update(true);
    LibraryUpdateResult again;
    const double unchanged = bestMilliseconds(kRuns + 2, [&] { again = program.update(false); });
    const double unchangedSaved = bestMilliseconds(kRuns, [&] { program.update(true); });

    std::string findError;
    const double find = findListing(tree, findError);

    std::printf("running MPD's database update of the same tree...\n");
    MpdPeer mpd(tree);
    const MpdPeer::Timing peer = mpd.measure(2);

    // The walk reads and writes nothing else: it stands beside the update's
    // own work. MPD writes its database as it ends: it stands beside the
    // update with the data files saved.
    table.add({"(d) library update from empty, " + n + " files",
               fromEmptyUnsaved,
               raw,
               "ms",
               rawName,
               2.5,
               {},
               {}});
    ResultTable::Row savedRow{
        "(d) same, data files saved (fsync)", fromEmpty, raw, "ms", rawName, {}, {}, {}};
    if (peer.error.empty()) {
        savedRow.mustBeat = peer.fromEmptyMs / 10;
        savedRow.mustBeatName = "MPD/10";
    }
    table.add(savedRow);
    if (peer.error.empty()) {
        table.add({"peer: MPD update from empty, " + std::to_string(peer.songs) + " songs",
                   peer.fromEmptyMs,
                   raw,
                   "ms",
                   rawName,
                   {},
                   {},
                   {}});
    } else {
        table.add({"peer: MPD update: not run, " + peer.error, 0, raw, "ms", rawName, {}, {}, {}});
    }
    const std::string findName = findError.empty() ? "find listing the tree" : findError;
    table.add({"(e) update again, nothing changed", unchanged, find, "ms", findName, 1.5, {}, {}});
    table.add({"same, data files saved", unchangedSaved, find, "ms", findName, {}, {}, {}});
    if (peer.error.empty()) {
        table.add({"peer: MPD update, nothing changed",
                   peer.unchangedMs,
                   find,
                   "ms",
                   findName,
                   {},
                   {},
                   {}});
    }
    std::printf("update: %ld files added from empty; again: %d added, %d removed%s\n", added,
                again.added, again.removed, program.ok ? "" : "; a data file was not saved");
}

}  // namespace sonara::bench
