#include "core/tools/backup/DataReload.h"

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/library/Library.h"
#include "core/library/LibraryFile.h"
#include "core/library/PathCache.h"
#include "core/library/PathCacheFile.h"
#include "core/library/SourcesFile.h"
#include "core/library/SourcesList.h"
#include "core/playlist/CurrentPlayList.h"

namespace sonara {

namespace {

void reportDamage(LoadOutcome outcome, const std::string& path, Prompter& prompter) {
    if (outcome == LoadOutcome::Damaged) {
        prompter.message(formatText(TextId::DataFileDamaged, path, path), Icon::Exclamation);
    }
}

}  // namespace

void reloadDataFiles(const DataPaths& paths, const ReloadTargets& targets, Prompter& prompter) {
    targets.library.clear();
    reportDamage(library_file::load(paths.library, targets.library), paths.library, prompter);
    targets.sources.clear();
    reportDamage(sources_file::load(paths.sources, targets.sources), paths.sources, prompter);
    targets.pathCache.clear();
    // The path cache tells of its own damage.
    (void)path_cache_file::load(paths.pathCache, targets.pathCache, prompter);
    PlaySequence& sequence = targets.playList.sequence();
    sequence.clear();
    reportDamage(targets.playList.adder().loadCurrent(), paths.currentPlayList, prompter);
    // Random adds pick by library index, which the new library renumbered.
    if (sequence.options().randomAdd) {
        sequence.rebuildRandomPool();
    }
}

}  // namespace sonara
