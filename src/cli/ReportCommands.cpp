// report: the Generate Library Report dialog on the command line.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/CommandTable.h"
#include "cli/Commands.h"
#include "core/app/StringTable.h"
#include "core/io/FileAttributes.h"
#include "core/library/LibraryRecord.h"
#include "core/settings/PreferenceStore.h"
#include "core/tools/report/LibraryReport.h"

namespace sonara::cli {

namespace {

constexpr size_t kMaxFileNameLength = 255;

// The index of `word` among `choices`; nullopt for anything else.
std::optional<int> choiceOf(const std::optional<std::string>& word,
                            const std::vector<std::string>& choices, int current) {
    if (!word) {
        return current;
    }
    for (size_t i = 0; i < choices.size(); ++i) {
        if (*word == choices[i]) {
            return int(i);
        }
    }
    return std::nullopt;
}

}  // namespace

int runReport(Context& context, Args& args) {
    Preferences& values = context.prefs().values();
    const auto include =
        choiceOf(args.takeOption("--include"), {"current", "all"}, values.exportWhat);
    const auto contents =
        choiceOf(args.takeOption("--using"), {"name", "path", "both"}, values.exportContents);
    const auto columns = choiceOf(args.takeOption("--columns"), {"1", "2", "3"}, values.numColumns);
    const auto delim =
        choiceOf(args.takeOption("--delim"), {"comma", "space", "tab"}, values.deliminator);
    const auto out = args.takeOption("--out");
    if (!operandsFor(context, args, "report")) {
        return kUsage;
    }
    if (!include || !contents || !columns || !delim) {
        return usage(context, "report", "unknown choice");
    }
    if (out && (out->empty() || out->size() > kMaxFileNameLength)) {
        context.prompter().message(stringText(TextId::EnterValidFileName), Icon::Stop);
        return kFailure;
    }
    const bool toStandardOutput = out && *out == "-";
    // Absolute, so that a later run from another folder writes the same file.
    const std::string destination =
        out ? absolutePath(*out)
            : (values.exportFileName.empty() ? proposeExportName(context.paths().programFolder)
                                             : values.exportFileName);
    if (!toStandardOutput && files::isDirectory(destination)) {
        context.report(destination + " is a folder; --out takes the name of the report file.");
        return kFailure;
    }
    values.exportWhat = *include;
    values.exportContents = *contents;
    values.numColumns = *columns;
    values.deliminator = *delim;

    // The command line has no library list of its own: its current list is
    // the whole library, in collection order.
    std::vector<const LibraryRecord*> records;
    Library& library = context.library();
    records.reserve(library.count());
    for (size_t i = 0; i < library.count(); ++i) {
        records.push_back(library.at(i));
    }
    const ReportLookup lookup{context.pathCache(), context.sources(),
                              context.prefs().normaliseOptions()};
    const ReportOptions options{*contents, *columns, *delim};
    if (toStandardOutput) {
        const std::string text = reportText(records, options, lookup);
        std::fwrite(text.data(), 1, text.size(), context.out());
        return context.savePrefs() ? kSuccess : kFailure;
    }
    const bool written =
        writeReport(records, options, lookup, destination, context.prompter()).ok();
    // Only a destination that was written is kept for the next report.
    if (written) {
        values.exportFileName = destination;
        std::fprintf(context.out(), "Report written to %s\n", destination.c_str());
    }
    const bool saved = context.savePrefs();
    return written && saved ? kSuccess : kFailure;
}

}  // namespace sonara::cli
