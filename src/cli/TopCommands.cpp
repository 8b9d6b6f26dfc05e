// top: the Top 100 chart, its "Add" and its "Clear".
#include <cstdio>
#include <string>
#include <vector>

#include "cli/CommandTable.h"
#include "cli/Commands.h"
#include "cli/Json.h"
#include "core/settings/PreferenceStore.h"
#include "core/tools/top100/Top100Chart.h"

namespace sonara::cli {

namespace {

// The forms are in the command table.
constexpr const char* kTopUsage = "top";

int show(Context& context, const Top100Chart& chart, bool asJson) {
    const NormaliseOptions options = context.prefs().normaliseOptions();
    if (asJson) {
        JsonWriter json;
        json.beginArray();
        for (size_t row = 0; row < chart.rowCount(); ++row) {
            const LibraryRecord& record = *chart.rowRecord(row);
            json.beginObject();
            json.field("rank", row + 1);
            json.field("artist", record.displayArtist(options));
            json.field("title", record.displayTitle(options));
            json.field("plays", record.playCount);
            json.field("fileName", std::string(record.fileName()));
            json.endObject();
        }
        json.endArray();
        std::fprintf(context.out(), "%s\n", json.str().c_str());
        return kSuccess;
    }
    for (size_t row = 0; row < chart.rowCount(); ++row) {
        const LibraryRecord& record = *chart.rowRecord(row);
        std::fprintf(context.out(), "%zu\t%s\t%s\t%d\n", row + 1,
                     record.displayArtist(options).c_str(), record.displayTitle(options).c_str(),
                     int(record.playCount));
    }
    return kSuccess;
}

}  // namespace

int runTop(Context& context, Args& args) {
    const bool asJson = args.takeFlag("--json");
    const auto operands = operandsFor(context, args, kTopUsage);
    if (!operands) {
        return kUsage;
    }
    const std::vector<std::string>& words = *operands;
    CurrentPlayList& list = context.playList();
    list.sequence().setLibrary(&context.library());
    Top100Chart chart(context.library(), list.adder(), viewWithoutWindow(context.prefs()),
                      context.prompter());
    if (words.empty()) {
        return show(context, chart, asJson);
    }
    if (asJson) {
        return usage(context, kTopUsage);
    }
    if (words[0] == "add" && words.size() == 2) {
        const std::optional<size_t> row = rowNumber(words[1], chart.rowCount());
        if (!row) {
            return usage(context, kTopUsage, "no rank " + words[1] + " in the chart");
        }
        // The play list adds save the data files themselves.
        const bool added = chart.add(*row).has_value();
        return added && context.dataFilesSaved() ? kSuccess : kFailure;
    }
    if (words[0] == "clear" && words.size() == 1) {
        if (!chart.clear()) {
            return kFailure;
        }
        return context.saveLibrary() ? kSuccess : kFailure;
    }
    return usage(context, kTopUsage);
}

}  // namespace sonara::cli
