// rename: the Rename Files Based on Tag Info window on the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "core/io/FileAttributes.h"
#include "core/library/RecordRename.h"
#include "core/tools/rename/TagRename.h"

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
    std::vector<std::string> folders = args.operands();
    if (args.hasError() || (useSources == !folders.empty())) {
        return usage(context, kRenameUsage, args.error());
    }
    if (useSources) {
        for (size_t i = 0; i < context.sources().count(); ++i) {
            folders.push_back(context.sources().at(i).folder);
        }
    }
    for (const std::string& folder : folders) {
        if (!files::isDirectory(folder)) {
            context.report("Unable to find " + folder);
            return kFailure;
        }
    }
    RenameSearch search;
    context.prompter().runProgress("Please wait...", "", [&](Progress& progress) {
        search = searchForRename(folders, &progress);
        return !search.cancelled;
    });
    listCandidates(context, search.candidates);
    if (search.cancelled) {
        context.report("Search cancelled");
        return kFailure;
    }
    if (!apply) {
        return kSuccess;
    }
    RenameResult result;
    int recordsMoved = 0;
    context.prompter().runProgress("Please wait...", "", [&](Progress& progress) {
        result = renameCandidates(
            search.candidates, context.prompter(), &progress, [&](const RenameCandidate& moved) {
                recordsMoved += moveRecordToRenamedFile(context.library(), context.pathCache(),
                                                        moved.oldPath(), moved.newPath());
            });
        return true;
    });
    if (result.asked) {
        std::fprintf(context.out(), "Renamed %d file(s)\n", result.renamed);
    }
    // The records keep their play counts under the new names.
    if (recordsMoved > 0 && (!context.saveLibrary() || !context.savePathCache())) {
        return kFailure;
    }
    return result.failed == 0 ? kSuccess : kFailure;
}

}  // namespace sonara::cli
