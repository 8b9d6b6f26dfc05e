#include <cstdio>

#include "cli/Commands.h"
#include "cli/RecordOutput.h"
#include "core/io/FileAttributes.h"
#include "core/library/FileDeletion.h"
#include "core/library/FolderWalk.h"
#include "core/library/LocateRecordFile.h"
#include "core/library/RecordFactory.h"
#include "core/metadata/Normaliser.h"
#include "core/settings/PreferenceStore.h"

namespace sonara::cli {

namespace {

constexpr const char* kMp3Pattern = "*.MP3";

}  // namespace

int runAdd(Context& context, Args& args) {
    const auto paths = args.operands();
    if (args.hasError() || paths.empty()) {
        return usage(context, "add PATH...", args.error());
    }
    Library& library = context.library();
    RecordFactory& factory = context.recordFactory();
    int added = 0;
    bool failed = false;
    bool sourcesChanged = false;
    bool stop = false;
    auto addOne = [&](const std::string& file) {
        const AddResult result = library.addSong(file, "", factory);
        if (result.status == AddStatus::Added) {
            ++added;
            context.pathCache().addFile(file);
        } else if (result.status == AddStatus::Failed) {
            context.report("Unable to add " + file);
            failed = stop = true;
        }
        return !stop;
    };
    for (const std::string& path : paths) {
        if (stop) {
            break;
        }
        if (files::isDirectory(path)) {
            const std::string folder = withTrailingSlash(path);
            if (context.sources().add(folder, "") != nullptr) {
                sourcesChanged = true;
            }
            const WalkResult walk = walkFolder(folder, kMp3Pattern, addOne);
            if (walk.incomplete) {
                context.report("Some folders below " + folder + " could not be read.");
            }
        } else if (!files::exists(path)) {
            context.report("Unable to find " + path);
            failed = true;
        } else if (!matchesPattern(files::namePart(path), kMp3Pattern)) {
            context.report(path + " is not an MP3 file.");
            failed = true;
        } else {
            addOne(path);
        }
    }
    bool savedAll = true;
    if (added > 0) {
        savedAll = context.saveLibrary() && context.savePathCache();
    }
    if (sourcesChanged) {
        savedAll = context.saveSources() && savedAll;
    }
    std::fprintf(context.out(), "%d files added\n", added);
    return failed || !savedAll ? kFailure : kSuccess;
}

namespace {

std::optional<SortOrder> parseSort(const std::string& name) {
    if (name == "file")
        return SortOrder::FileName;
    if (name == "artist")
        return SortOrder::Artist;
    if (name == "album")
        return SortOrder::Album;
    if (name == "title")
        return SortOrder::Title;
    if (name == "plays")
        return SortOrder::PlayCount;
    if (name == "artist-album-title")
        return SortOrder::ArtistAlbumTitle;
    return std::nullopt;
}

}  // namespace

int runList(Context& context, Args& args) {
    const bool asJson = args.takeFlag("--json");
    const auto sortName = args.takeOption("--sort");
    const auto rest = args.operands();
    const char* line = "list [--sort file|artist|album|title|plays|artist-album-title] [--json]";
    if (args.hasError() || !rest.empty()) {
        return usage(context, line, args.error());
    }
    const NormaliseOptions options = context.prefs().normaliseOptions();
    Library& library = context.library();
    if (sortName) {
        const auto order = parseSort(*sortName);
        if (!order) {
            return usage(context, line, "unknown sort order " + *sortName);
        }
        library.sort(*order, options);
    }
    std::vector<LibraryRecord*> records;
    records.reserve(library.count());
    for (size_t i = 0; i < library.count(); ++i) {
        records.push_back(library.at(i));
    }
    printRecords(context.out(), records, asJson, options);
    return kSuccess;
}

int runTotals(Context& context, Args& args) {
    if (!args.operands().empty() || args.hasError()) {
        return usage(context, "totals", args.error());
    }
    std::fprintf(context.out(), "%s\n%s\n", totalCountText(context.library()).c_str(),
                 totalTimeText(context.library()).c_str());
    return kSuccess;
}

int runRemove(Context& context, Args& args) {
    const bool deleteFiles = args.takeFlag("--delete-file");
    const auto names = args.operands();
    if (args.hasError() || names.empty()) {
        return usage(context, "remove FILENAME... [--delete-file]", args.error());
    }
    Library& library = context.library();
    bool failed = false;
    bool changed = false;
    for (const std::string& name : names) {
        const std::optional<size_t> index = library.findByName(files::namePart(name));
        if (!index) {
            context.report("No record of " + name + " is in the library.");
            failed = true;
            continue;
        }
        if (deleteFiles) {
            // A file on a missing medium is left alone, silently; the record goes.
            const auto path = locateRecordFile(*library.at(index), context.pathCache(),
                                               context.sources(), nullptr);
            if (path && !deleteFileFromDisk(*path, context.prompter())) {
                failed = true;
            }
        }
        library.removeAt(*index, 1);
        changed = true;
    }
    if (changed && !context.saveLibrary()) {
        failed = true;
    }
    return failed ? kFailure : kSuccess;
}

}  // namespace sonara::cli
