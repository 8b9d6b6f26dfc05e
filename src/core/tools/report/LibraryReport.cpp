#include "core/tools/report/LibraryReport.h"

#include <algorithm>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/io/AtomicFile.h"
#include "core/io/FileAttributes.h"
#include "core/library/LibraryRecord.h"
#include "core/library/LocateRecordFile.h"
#include "core/settings/PreferenceStore.h"

namespace sonara {

namespace {

constexpr size_t kProgressThreshold = 21;
constexpr size_t kProgressSteps = 20;

std::string delimiterText(int delimiter) {
    switch (delimiter) {
        case 1:
            return " ";
        case 2:
            return "\t";
        default:
            return ",";
    }
}

std::string pathName(const LibraryRecord& record, const ReportLookup& lookup) {
    if (!record.mediaName().empty()) {
        return std::string(record.mediaName());
    }
    const auto path = locateRecordFile(record, lookup.cache, lookup.sources, nullptr);
    return path ? *path : std::string("not found");
}

std::string itemOf(const LibraryRecord& record, const ReportOptions& options,
                   const ReportLookup& lookup, const std::string& delimiter) {
    const auto libraryName = [&] {
        return record.displayArtist(lookup.normalise) + " - " +
               record.displayTitle(lookup.normalise);
    };
    switch (options.contents) {
        case 1:
            return pathName(record, lookup);
        case 2:
            return libraryName() + delimiter + pathName(record, lookup);
        default:
            return libraryName();
    }
}

// Builds the text, calling `step` after every `every` records.
std::string buildText(const std::vector<const LibraryRecord*>& records,
                      const ReportOptions& options, const ReportLookup& lookup, size_t every,
                      Progress* progress) {
    const std::string delimiter = delimiterText(options.delimiter);
    const size_t perLine = size_t(std::max(0, options.numColumns)) + 1;
    std::string text;
    size_t onLine = 0;
    for (size_t i = 0; i < records.size(); ++i) {
        if (onLine > 0) {
            text += delimiter;
        }
        text += itemOf(*records[i], options, lookup, delimiter);
        if (++onLine == perLine) {
            text += "\r\n";
            onLine = 0;
        }
        if (progress != nullptr && (i + 1) % every == 0) {
            if (progress->cancelled()) {
                return {};
            }
            progress->show("", "");
        }
    }
    if (onLine > 0) {
        text += "\r\n";
    }
    return text;
}

}  // namespace

std::string proposeExportName(const std::string& programFolder) {
    for (long n = 0;; ++n) {
        const std::string candidate = programFolder + "/export(" + std::to_string(n) + ").txt";
        if (!files::exists(candidate) && !files::isDirectory(candidate)) {
            return candidate;
        }
    }
}

std::string ensureExportName(PreferenceStore& store, const std::string& programFolder) {
    std::string& name = store.values().exportFileName;
    if (name.empty()) {
        name = proposeExportName(programFolder);
        // Unsaved, the same free name is proposed again next time.
        (void)store.saveAll();
    }
    return name;
}

std::string reportText(const std::vector<const LibraryRecord*>& records,
                       const ReportOptions& options, const ReportLookup& lookup) {
    return buildText(records, options, lookup, 1, nullptr);
}

Status writeReport(const std::vector<const LibraryRecord*>& records, const ReportOptions& options,
                   const ReportLookup& lookup, const std::string& destination, Prompter& prompter) {
    std::string text;
    if (records.size() >= kProgressThreshold) {
        const size_t every = std::max<size_t>(1, records.size() / kProgressSteps);
        const bool finished =
            prompter.runProgress(stringText(TextId::PleaseWait), "", [&](Progress& progress) {
                text = buildText(records, options, lookup, every, &progress);
                return !progress.cancelled();
            });
        // A cancelled report writes nothing, so no half report replaces an old one.
        if (!finished) {
            return Status::failure(ErrorKind::Cancelled, "The report was cancelled.");
        }
    } else {
        text = buildText(records, options, lookup, 1, nullptr);
    }
    // The report is only claimed when it is really on disk.
    const Status status = writeFileAtomically(destination, text);
    if (!status) {
        prompter.message(formatText(TextId::ReportNotWritten, destination), Icon::Stop);
        return status;
    }
    prompter.message(stringText(TextId::ReportGenerated), Icon::Information);
    return status;
}

}  // namespace sonara
