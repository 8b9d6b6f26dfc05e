// dupes: the duplicate finder on the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/TerminalPrompter.h"
#include "core/app/StringTable.h"
#include "core/io/FileAttributes.h"
#include "core/settings/PreferenceStore.h"
#include "core/tools/duplicates/DuplicateDeletion.h"
#include "core/tools/duplicates/DuplicateFinder.h"

namespace sonara::cli {

namespace {

constexpr const char* kDupesUsage =
    "dupes [--strip|--no-strip] [--sources | FOLDER...] [--delete] [--copy-to DIR | --no-copy]";

void printList(Context& context, const std::vector<DuplicateEntry>& entries) {
    for (const DuplicateEntry& entry : entries) {
        std::fprintf(context.out(), "%s\t%s\t%llu\t%s\n", entry.marked ? "x" : "",
                     entry.fileName.c_str(), static_cast<unsigned long long>(entry.size),
                     entry.folder.c_str());
    }
    std::fprintf(context.out(), "%s\n%s\n", totalFoundLine(entries).c_str(),
                 totalMarkedLine(entries).c_str());
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

    PreferenceStore& store = context.prefs();
    Preferences prefs = store.values();  // the flags change this run only
    if (strip || noStrip) {
        prefs.stripChars = strip ? 1 : 0;
    }
    if (copyTo || noCopy) {
        prefs.copyDelFiles = copyTo ? 1 : 0;
        prefs.copyDelFilesToFolder = copyTo ? absoluteFolder(*copyTo) : prefs.copyDelFilesToFolder;
    }

    std::vector<std::string> folders;
    if (words.empty()) {
        for (size_t i = 0; i < context.sources().count(); ++i) {
            folders.push_back(context.sources().at(i).folder);
        }
    } else {
        for (const std::string& word : words) {
            if (!files::isDirectory(word)) {
                context.report("Unable to find " + word);
                return kFailure;
            }
            folders.push_back(absoluteFolder(word));
        }
        store.values().dupFilesFolder = folders.back();  // the folder last searched
        context.savePrefs();
    }

    DuplicateSearch search;
    context.prompter().runProgress("MP3 Space Maker", "", [&](Progress& progress) {
        search = findDuplicates(folders, prefs.stripChars == 1, &progress);
        return true;
    });
    if (search.cancelled) {
        context.report("The search was cancelled; the list holds what was found before.");
    }
    printList(context, search.entries);
    if (search.entries.empty()) {
        context.prompter().message(stringText(TextId::NoDuplicates), Icon::Information);
        return kSuccess;
    }
    if (!remove) {
        return kSuccess;
    }

    YesPrompter always(context.prompter());
    Prompter& asker = yes ? static_cast<Prompter&>(always) : context.prompter();
    DeletionResult result;
    context.prompter().runProgress("MP3 Space Maker", "", [&](Progress& progress) {
        result = deleteMarked(search.entries, prefs, asker, &progress);
        return true;
    });
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
