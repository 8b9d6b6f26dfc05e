#include "core/tools/rename/RenameSession.h"

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/library/RecordRename.h"

namespace sonara {

RenameSession::RenameSession(Prompter& prompter) : prompter_(prompter) {}

void RenameSession::search() {
    search_ = {};
    prompter_.runProgress(stringText(TextId::PleaseWait), "", [&](Progress& progress) {
        search_ = searchForRename(start_.folders(), &progress);
        return !search_.cancelled;
    });
}

bool RenameSession::toggle(size_t row) {
    return toggleProcess(search_.candidates.at(row));
}

void RenameSession::clearAll() {
    for (RenameCandidate& candidate : search_.candidates) {
        candidate.process = false;
    }
}

void RenameSession::retag(size_t row, const std::string& artist, const std::string& title) {
    search_.candidates.at(row).newName = nameFromTag(artist, title);
}

RenameApplied RenameSession::apply(Library& library, PathCache& cache) {
    RenameApplied applied;
    prompter_.runProgress(stringText(TextId::PleaseWait), "", [&](Progress& progress) {
        applied.result = renameCandidates(
            search_.candidates, prompter_, &progress, [&](const RenameCandidate& moved) {
                applied.recordsMoved +=
                    moveRecordToRenamedFile(library, cache, moved.oldPath(), moved.newPath());
            });
        return true;
    });
    return applied;
}

}  // namespace sonara
