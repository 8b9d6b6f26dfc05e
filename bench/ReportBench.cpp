#include "ReportBench.h"

#include <memory>
#include <string>
#include <vector>

#include "Stopwatch.h"
#include "core/app/Prompter.h"
#include "core/library/LibraryRecord.h"
#include "core/library/PathCache.h"
#include "core/library/SourcesList.h"
#include "core/tools/report/LibraryReport.h"
#include "support/TempDir.h"

namespace sonara::bench {

namespace {

constexpr int kRuns = 3;
constexpr double kTargetMs = 1000;

class QuietPrompter final : public Prompter {
  public:
    void message(const std::string&, Icon) override {}
    Answer ask(const std::string&, Buttons, Icon) override { return Answer::Yes; }
};

}  // namespace

void runReportBench(int records, ResultTable& table) {
    std::vector<std::unique_ptr<LibraryRecord>> owned;
    std::vector<const LibraryRecord*> list;
    for (int i = 0; i < records; ++i) {
        auto record = std::make_unique<LibraryRecord>();
        const std::string artist = "Artist " + std::to_string(i % 6000);
        const std::string title = "Some Title " + std::to_string(i);
        record->setFileName(artist + " - " + title + ".mp3");
        record->setArtist(artist);
        record->setTitle(title);
        record->setTagArtist(artist);
        record->setTagTitle(title);
        list.push_back(record.get());
        owned.push_back(std::move(record));
    }
    testing::TempDir dir;
    PathCache cache;
    SourcesList sources;
    const ReportLookup lookup{cache, sources, NormaliseOptions{}};
    QuietPrompter prompter;
    const std::string out = dir.file("report.txt");
    const double ms = bestMilliseconds(kRuns, [&] {
        gSink = gSink + (writeReport(list, ReportOptions{}, lookup, out, prompter).ok() ? 1 : 0);
    });
    table.add({"library report, " + std::to_string(records) + " records",
               ms,
               kTargetMs,
               "ms",
               "target: 1 s",
               1.0,
               {},
               {}});
}

}  // namespace sonara::bench
