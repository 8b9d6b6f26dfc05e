// sources, update, check, locate and media: the Sources dialog, the scans
// and the Select Removable Media dialog on the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/CommandTable.h"
#include "cli/Commands.h"
#include "cli/TerminalPrompter.h"
#include "core/app/StringTable.h"
#include "core/io/FileAttributes.h"
#include "core/library/LibraryScans.h"
#include "core/library/LocateRecordFile.h"
#include "core/library/MediaName.h"
#include "core/library/RemovableMediaModel.h"
#include "core/library/SourcesDialogModel.h"
#include "core/settings/PreferenceStore.h"

namespace sonara::cli {

namespace {

constexpr const char* kSourcesUsage = "sources";
constexpr const char* kMediaUsage = "media";

LibraryScope scopeOf(Context& context) {
    return LibraryScope{context.library(),       context.sources(), context.pathCache(),
                        context.recordFactory(), context.drives(),  context.prompter()};
}

int listSources(Context& context) {
    const SourcesDialogModel dialog(context.sources());
    const auto rows = dialog.rows();
    for (size_t row = 0; row < rows.size(); ++row) {
        const SourceFolder& source = context.sources().at(dialog.sourceOfRow(row).value());
        std::fprintf(context.out(), "%zu\t%s\t%s\n", row + 1, source.folder.c_str(),
                     source.mediaName.c_str());
    }
    return kSuccess;
}

int addSource(Context& context, const std::string& chosen, const std::string& mediaName) {
    // The sources file keeps full paths.
    const std::string folder = absolutePath(chosen);
    if (!files::isDirectory(folder)) {
        context.report("Unable to find " + chosen);
        return kFailure;
    }
    if (const std::string problem = mediaNameProblem(mediaName, "", false, context.sources());
        !problem.empty()) {
        context.report(problem);
        return kFailure;
    }
    SourcesDialogModel dialog(context.sources());
    const auto outcome =
        dialog.add(folder, context.prefs().values(), context.prompter(), mediaName);
    const bool prefsSaved = context.savePrefs();
    if (outcome != SourcesDialogModel::AddOutcome::Added) {
        return kFailure;
    }
    return context.saveSources() && prefsSaved ? kSuccess : kFailure;
}

int removeSource(Context& context, const std::string& word) {
    SourcesDialogModel dialog(context.sources());
    const auto row = rowNumber(word, dialog.rows().size());
    if (!row) {
        context.report("There is no source " + word + "; `sonara-cli sources` lists them.");
        return kFailure;
    }
    dialog.removeRow(*row);
    return context.saveSources() ? kSuccess : kFailure;
}

// The medium named `name` selected in `model`; false (after saying so) when
// the library has none of that name.
bool selectMedium(Context& context, RemovableMediaModel& model, const std::string& name) {
    model.select(model.indexOf(name));
    if (!model.hasSelection()) {
        context.report("No song of the library is on removable media named " + name + ".");
        return false;
    }
    return true;
}

}  // namespace

int runSources(Context& context, Args& args) {
    const auto media = args.takeOption("--media");
    const auto operands = operandsFor(context, args, "sources");
    if (!operands) {
        return kUsage;
    }
    const std::vector<std::string>& words = *operands;
    if (words.empty() && !media) {
        return listSources(context);
    }
    if (words.size() == 2 && words[0] == "add") {
        return addSource(context, words[1], media.value_or(""));
    }
    if (words.size() == 2 && words[0] == "remove" && !media) {
        return removeSource(context, words[1]);
    }
    return usage(context, kSourcesUsage);
}

int runUpdate(Context& context, Args& args) {
    if (!operandsFor(context, args, "update")) {
        return kUsage;
    }
    LibraryScope scope = scopeOf(context);
    const LibraryUpdateResult result = runLibraryUpdate(scope);
    for (const std::string& folder : result.unreachable) {
        context.report(folder + " could not be read; the songs last seen there were kept.");
    }
    const bool saved = context.savePathCache() && context.saveLibrary();
    if (!result.finished) {
        context.report("The update was cancelled: " + libraryUpdateText(result));
        return kFailure;
    }
    std::fprintf(context.out(), "%s\n", libraryUpdateText(result).c_str());
    return saved ? kSuccess : kFailure;
}

int runCheck(Context& context, Args& args) {
    const bool quiet = args.takeFlag("--quiet");
    if (!operandsFor(context, args, "check")) {
        return kUsage;
    }
    LibraryScope scope = scopeOf(context);
    const AvailabilityResult result =
        checkAvailability(scope, context.prefs().values().checkRemovableMediaOnly != 0);
    const bool saved = context.saveLibrary() && context.savePathCache();
    if (!quiet) {
        std::fprintf(context.out(), "%s\n", stringText(TextId::AvailabilityCheckFinished).c_str());
        // On stderr, beside the program's own message: how many of the
        // songs the list marks as missing.
        size_t missing = 0;
        for (size_t i = 0; i < context.library().count(); ++i) {
            const int32_t mark = context.library().at(i)->availability;
            missing += mark == kMissing || mark == kMissingOnMedia ? 1 : 0;
        }
        context.report(std::to_string(missing) + " of " +
                       std::to_string(context.library().count()) + " songs are missing.");
    }
    return saved && result.finished ? kSuccess : kFailure;
}

int runLocate(Context& context, Args& args) {
    const auto words = operandsFor(context, args, "locate");
    if (!words) {
        return kUsage;
    }
    const std::string name = files::namePart(words->front());
    Library& library = context.library();
    LibraryRecord loose;
    const LibraryRecord* record = library.at(library.findByName(name));
    if (record == nullptr) {
        loose.setFileName(name);  // not in the library: looked for all the same
        record = &loose;
    }
    const auto path =
        locateRecordFile(*record, context.pathCache(), context.sources(), &context.prompter());
    if (!path) {
        return kFailure;
    }
    std::fprintf(context.out(), "%s\n", path->c_str());
    return kSuccess;
}

int runMedia(Context& context, Args& args) {
    const bool yes = args.takeFlag("--yes");
    const auto operands = operandsFor(context, args, "media");
    if (!operands) {
        return kUsage;
    }
    const std::vector<std::string>& words = *operands;
    RemovableMediaModel model(context.library(), context.sources());
    if (words.empty() && !yes) {
        for (const std::string& name : model.names()) {
            std::fprintf(context.out(), "%s\n", name.c_str());
        }
        return kSuccess;
    }
    if (words.size() == 3 && words[0] == "rename" && !yes) {
        if (!selectMedium(context, model, words[1])) {
            return kFailure;
        }
        if (const std::string problem = model.renameProblem(words[2]); !problem.empty()) {
            context.prompter().message(problem, Icon::Exclamation);
            return kFailure;
        }
        model.renameSelected(words[2]);
    } else if (words.size() == 2 && words[0] == "delete") {
        if (!selectMedium(context, model, words[1])) {
            return kFailure;
        }
        YesPrompter always(context.prompter());
        if (!model.removeSelected(yes ? static_cast<Prompter&>(always) : context.prompter())) {
            return kFailure;
        }
    } else {
        return usage(context, kMediaUsage);
    }
    return context.saveSources() && context.saveLibrary() ? kSuccess : kFailure;
}

}  // namespace sonara::cli
