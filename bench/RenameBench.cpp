#include "RenameBench.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <string>

#include "Stopwatch.h"
#include "core/tools/rename/TagRename.h"

namespace sonara::bench {

namespace {

constexpr int kRuns = 3;

}  // namespace

void runRenameBench(const BenchCorpus& corpus, ResultTable& table) {
    const std::string n = std::to_string(corpus.paths().size());
    readHeadsAndTails(corpus);
    const double raw = bestMilliseconds(kRuns, [&] { readHeadsAndTails(corpus); });
    const double search = bestMilliseconds(kRuns, [&] {
        gSink = gSink + static_cast<long long>(
                            searchForRename({corpus.root().string()}, nullptr).candidates.size());
    });
    table.add({"rename proposals, " + n + " files",
               search,
               raw,
               "ms",
               "walk: open, 4 KiB head, 359 B tail",
               2.0,
               {},
               {}});
}

}  // namespace sonara::bench
