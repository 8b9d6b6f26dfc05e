// rename: the Rename Files Based on Tag Info window on the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "core/tools/ToolFolders.h"
#include "core/tools/rename/RenameSession.h"

namespace sonara::cli {

namespace {

constexpr const char* kRenameUsage = "rename [--sources | FOLDER...] [--apply]";

void listCandidates(Context& context, const std::vector<RenameCandidate>& candidates) {
    for (const RenameCandidate& candidate : candidates) {
        std::fprintf(context.out(), "%d\t%s\t%s\t%s\t%s\n", candidate.process ? 1 : 0,
                     candidate.hasTag ? "yes" : "no", candidate.newName.c_str(),
                     candidate.oldName.c_str(), candidate.folder.c_str());
    }
}

}  // namespace

int runRename(Context& context, Args& args) {
    const bool useSources = args.takeFlag("--sources");
    const bool apply = args.takeFlag("--apply");
    const std::vector<std::string> words = args.operands();
    if (args.hasError() || (useSources == !words.empty())) {
        return usage(context, kRenameUsage, args.error());
    }
    std::vector<std::string> folders;
    for (const std::string& word : words) {
        folders.push_back(absoluteFolder(word));
    }
    RenameSession session(context.prompter());
    // Here a source folder that is not there is refused like a typed one.
    if (const Status chosen =
            session.useFolders(useSources ? sourceFolders(context.sources()) : folders);
        !chosen) {
        context.report(chosen.error());
        return kFailure;
    }
    session.search();
    listCandidates(context, session.candidates());
    if (session.cancelled()) {
        context.report("Search cancelled");
        return kFailure;
    }
    if (!apply) {
        return kSuccess;
    }
    const RenameApplied applied = session.apply(context.library(), context.pathCache());
    if (applied.result.asked) {
        std::fprintf(context.out(), "Renamed %d file(s)\n", applied.result.renamed);
    }
    // The records keep their play counts under the new names.
    if (applied.recordsMoved > 0 && (!context.saveLibrary() || !context.savePathCache())) {
        return kFailure;
    }
    return applied.result.failed == 0 ? kSuccess : kFailure;
}

}  // namespace sonara::cli
