#include "DupesBench.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "Stopwatch.h"
#include "core/tools/duplicates/DuplicateFinder.h"
#include "support/TempDir.h"

extern char** environ;

namespace sonara::bench {

namespace {

constexpr int kRuns = 5;

// Runs `fdupes -r root` without a shell, its output to /dev/null; false when
// it could not be started or failed.
bool runFdupes(const std::vector<std::string>& roots) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> words{"fdupes", "-r"};
    words.insert(words.end(), roots.begin(), roots.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, "fdupes", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return false;
    }
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid) {
        return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// One row: ours over `roots` beside fdupes over the same folders.
void timeBoth(const std::vector<std::string>& roots, const std::string& figure,
              ResultTable& table) {
    size_t found = 0;
    const double ours = bestMilliseconds(
        kRuns, [&] { found = findDuplicates(roots, true, nullptr).entries.size(); });
    gSink = gSink + static_cast<long long>(found);
    std::printf("%s: %zu duplicate rows\n", figure.c_str(), found);
    if (!runFdupes(roots)) {
        table.add({figure,
                   ours,
                   0,
                   "ms",
                   "fdupes -r could not run (scripts/install-deps --bench)",
                   {},
                   {},
                   {}});
        return;
    }
    const double peer = bestMilliseconds(kRuns, [&] { runFdupes(roots); });
    table.add({figure, ours, peer, "ms", "fdupes -r", 0.2, {}, {}});
}

}  // namespace

void runDupesBench(const BenchCorpus& corpus, ResultTable& table) {
    const std::string root = corpus.root().string();
    const std::string n = std::to_string(corpus.paths().size());
    timeBoth({root}, "duplicate finder, " + n + " files", table);

    // Every tenth song copied once more, so both sides meet real groups.
    testing::TempDir copies;
    size_t copied = 0;
    for (size_t i = 0; i < corpus.paths().size(); i += 10, ++copied) {
        std::filesystem::copy_file(
            corpus.paths()[i], copies.path() / std::filesystem::path(corpus.paths()[i]).filename());
    }
    timeBoth({root, copies.path().string()}, "same, " + std::to_string(copied) + " of them copied",
             table);
}

}  // namespace sonara::bench
