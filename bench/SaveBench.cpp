#include "SaveBench.h"

#include <algorithm>
#include <cstdio>

#include "ResultTable.h"
#include "SearchBench.h"
#include "Stopwatch.h"
#include "core/app/BackgroundSaver.h"
#include "core/app/Prompter.h"
#include "core/library/Library.h"
#include "core/library/LibraryFile.h"
#include "support/TempDir.h"

namespace sonara::bench {

namespace {

constexpr int kRuns = 5;

class YesPrompter final : public Prompter {
  public:
    void message(const std::string&, Icon) override {}
    Answer ask(const std::string&, Buttons, Icon) override { return Answer::Yes; }
};

}  // namespace

void runSaveBench(int records, ResultTable& table) {
    testing::TempDir dir;
    const std::string path = dir.file("Sonara.dat");
    YesPrompter prompter;
    Library library;
    fillLibrary(library, records);
    int32_t changes = 0;
    BackgroundSaver saver({{path, [&] { return librarySnapshot(library, kLibraryRecordsPerSlice); }}});
    // Each round sees a changed play count, so each one writes. The figure is
    // the longest slice, not the best: a user feels the worst one.
    double longest = 0;
    for (int i = 0; i < kRuns; ++i) {
        library.at(size_t(0))->playCount = ++changes;
        longest = std::max(longest, bestMilliseconds(1, [&] { (void)saver.startRound(); }));
        bool more = true;
        while (more) {
            longest = std::max(longest, bestMilliseconds(1, [&] { more = saver.step(); }));
        }
        (void)saver.finish();
    }
    const double round = longest;
    const double whole =
        bestMilliseconds(kRuns, [&] { (void)library_file::save(path, library, prompter); });
    table.add({"(w) periodic save: longest slice on the window's thread, " +
                   std::to_string(records) + " records",
               round,
               whole,
               "ms",
               "the whole save on one thread",
               {},
               20.0,
               "20 ms"});
}

}  // namespace sonara::bench
