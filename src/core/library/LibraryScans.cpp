#include "core/library/LibraryScans.h"

#include <utility>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/library/Drives.h"
#include "core/library/Library.h"
#include "core/library/PathCache.h"
#include "core/library/SourcesList.h"

namespace sonara {

AvailabilityResult checkAvailability(LibraryScope& scope, bool removableOnly) {
    scope.drives.refresh();
    scope.sources.resetStates();
    const int mask = removableOnly ? kCheckRemovableOnlyMask : kCheckAllMask;
    bool cancelled = false;
    AvailabilityResult result;
    result.finished = scope.prompter.runProgressInBackground(
        stringText(TextId::CheckingAvailability), stringText(TextId::Scanning),
        [&](Progress& progress) {
            cancelled = scope.cache.build(scope.sources, mask, scope.drives, progress).cancelled();
            return !cancelled;
        });
    cancelled = cancelled || !result.finished;
    for (size_t i = 0; i < scope.library.count(); ++i) {
        LibraryRecord& record = *scope.library.at(i);
        const bool named = !record.mediaName().empty();
        if (removableOnly && !named) {
            continue;
        }
        if (scope.cache.find(record.fileName())) {
            record.availability = kAvailable;
            ++result.available;
        } else if (!cancelled) {
            record.availability = named ? kMissingOnMedia : kMissing;
            ++result.missing;
        }
    }
    return result;
}

LibraryUpdateResult runLibraryUpdate(LibraryScope& scope) {
    scope.drives.refresh();
    // A disk plugged in since the last check is walked, not skipped as absent.
    scope.sources.resetStates();
    LibraryUpdateResult result;
    result.finished = scope.prompter.runProgressInBackground(
        stringText(TextId::UpdatingLibrary), stringText(TextId::Scanning), [&](Progress& progress) {
            const PathCache previous = std::move(scope.cache);
            const ScanCoverage coverage =
                scope.cache.build(scope.sources, kUpdateLibraryMask, scope.drives, progress);
            const UpdateCounts counts = scope.cache.updateLibrary(scope.library, scope.factory,
                                                                  coverage, previous, progress);
            result.added = counts.added;
            result.removed = counts.removed;
            result.unreachable = coverage.unreachable();
            return !progress.cancelled();
        });
    return result;
}

std::string libraryUpdateText(const LibraryUpdateResult& result) {
    return std::to_string(result.added) + " files added. " + std::to_string(result.removed) +
           " files removed.";
}

}  // namespace sonara
