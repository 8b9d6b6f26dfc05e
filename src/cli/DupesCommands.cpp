// dupes: the duplicate finder on the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/TerminalPrompter.h"
#include "core/settings/PreferenceStore.h"
#include "core/tools/duplicates/DuplicateSession.h"

namespace sonara::cli {

namespace {

constexpr const char* kDupesUsage =
    "dupes [--strip|--no-strip] [--sources | FOLDER...] [--delete] [--copy-to DIR | --no-copy]";

void printList(Context& context, const DuplicateSession& session) {
    for (const DuplicateEntry& entry : session.entries()) {
        std::fprintf(context.out(), "%s\t%s\t%llu\t%s\n", entry.marked ? "x" : "",
                     entry.fileName.c_str(), static_cast<unsigned long long>(entry.size),
                     entry.folder.c_str());
    }
    std::fprintf(context.out(), "%s\n%s\n", session.totalFoundLine().c_str(),
                 session.totalMarkedLine().c_str());
}

}  // namespace

int runDupes(Context& context, Args& args) {
    const bool strip = args.takeFlag("--strip");
    const bool noStrip = args.takeFlag("--no-strip");
    const bool useSources = args.takeFlag("--sources");
    const bool remove = args.takeFlag("--delete");
    const bool noCopy = args.takeFlag("--no-copy");
    const bool yes = args.takeFlag("--yes");
    const auto copyTo = args.takeOption("--copy-to");
    const auto words = args.operands();
    if (args.hasError() || (strip && noStrip) || (useSources && !words.empty()) ||
        (copyTo && noCopy)) {
        return usage(context, kDupesUsage, args.error());
    }

    DuplicatePreferences preferences(context.prefs().values(), [&] { context.savePrefs(); });
    DuplicateSession session(preferences, context.prompter());
    // The flags change this run only.
    DuplicateOptions& options = session.options();
    if (strip || noStrip) {
        options.stripChars = strip;
    }
    if (copyTo || noCopy) {
        options.copyDeletedFiles = copyTo.has_value();
        if (copyTo) {
            options.holdingFolder = absoluteFolder(*copyTo);
        }
    }

    if (words.empty()) {
        session.useSources(context.sources());
    } else {
        std::vector<std::string> folders;
        for (const std::string& word : words) {
            folders.push_back(absoluteFolder(word));
        }
        if (const Status chosen = session.useFolders(folders); !chosen) {
            context.report(chosen.error());
            return kFailure;
        }
    }

    session.search();
    if (session.cancelled()) {
        context.report("The search was cancelled; the list holds what was found before.");
    }
    printList(context, session);
    if (session.tellWhenNoneFound() || !remove) {
        return kSuccess;
    }

    YesPrompter always(context.prompter());
    const DeletionResult result = session.deleteMarked(yes ? &always : nullptr);
    if (!result.asked) {
        return kSuccess;
    }
    if (result.lastCopies > 0) {
        context.report(std::to_string(result.lastCopies) +
                       " files kept: no other copy of their names was left.");
    }
    std::fprintf(context.out(), "%d files deleted.\n", result.deleted);
    return result.failed == 0 && result.lastCopies == 0 ? kSuccess : kFailure;
}

}  // namespace sonara::cli
