#include <cstdio>
#include <string>
#include <vector>

#include "cli/CommandTable.h"
#include "cli/Commands.h"
#include "cli/RecordOutput.h"
#include "cli/SongArg.h"
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
    const auto paths = operandsFor(context, args, "add");
    if (!paths) {
        return kUsage;
    }
    Library& library = context.library();
    RecordFactory& factory = context.recordFactory();
    int added = 0;
    int skipped = 0;
    bool failed = false;
    bool sourcesChanged = false;
    bool stop = false;
    auto addOne = [&](const std::string& file) {
        const AddResult result = library.addSong(file, "", factory);
        if (result.status == AddStatus::Added) {
            ++added;
            context.pathCache().addFile(file);
        } else if (result.status == AddStatus::AlreadyPresent) {
            ++skipped;
        } else {
            context.report("Unable to add " + file);
            failed = stop = true;
        }
        return !stop;
    };
    for (const std::string& typed : *paths) {
        if (stop) {
            break;
        }
        // Stored absolute: a later run from another folder finds the same files.
        const std::string path = absolutePath(typed);
        if (files::isDirectory(path)) {
            const std::string folder = absoluteFolder(typed);
            if (context.sources().add(folder, "") != nullptr) {
                sourcesChanged = true;
            }
            const WalkResult walk = walkFolder(folder, kMp3Pattern, addOne);
            if (walk.incomplete) {
                context.report("Some folders below " + folder + " could not be read.");
            }
        } else if (const auto problem = songFileProblem(typed)) {
            context.report(*problem);
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
    if (skipped > 0) {
        context.report(std::to_string(skipped) +
                       " files skipped: the library already holds a song of that file name.");
    }
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
    if (!operandsFor(context, args, "list")) {
        return kUsage;
    }
    const NormaliseOptions options = context.prefs().normaliseOptions();
    Library& library = context.library();
    if (sortName) {
        const auto order = parseSort(*sortName);
        if (!order) {
            return usage(context, "list", "unknown sort order " + *sortName);
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
    if (!operandsFor(context, args, "totals")) {
        return kUsage;
    }
    std::fprintf(context.out(), "%s\n%s\n", totalCountText(context.library()).c_str(),
                 totalTimeText(context.library()).c_str());
    return kSuccess;
}

int runRemove(Context& context, Args& args) {
    const bool deleteFiles = args.takeFlag("--delete-file");
    const bool yes = args.takeFlag("--yes");
    const auto names = operandsFor(context, args, "remove");
    if (!names) {
        return kUsage;
    }
    Library& library = context.library();
    bool failed = false;
    std::vector<std::string> found;
    for (const std::string& name : *names) {
        if (!library.findByName(files::namePart(name))) {
            context.report("No record of " + name + " is in the library.");
            failed = true;
        } else {
            found.push_back(files::namePart(name));
        }
    }
    // As the window's Remove, which asks before a file is deleted from disk.
    if (deleteFiles && !found.empty() && !yes &&
        context.prompter().ask("Are you sure you want to remove " + std::to_string(found.size()) +
                                   " record(s) from the Sonara library and delete their files "
                                   "from disk?",
                               Buttons::YesNo) != Answer::Yes) {
        context.report("Nothing was removed.");
        return kFailure;
    }
    for (const std::string& name : found) {
        const std::optional<size_t> index = library.findByName(name);
        if (!index) {
            continue;  // named twice
        }
        if (deleteFiles) {
            // A file on a missing medium is left alone, silently; the record goes.
            const auto path = locateRecordFile(*library.at(*index), context.pathCache(),
                                               context.sources(), nullptr);
            if (path && deleteFileFromDisk(*path, context.prompter())) {
                std::fprintf(context.out(), "Deleted %s\n", path->c_str());
            } else if (path) {
                failed = true;
            }
        }
        library.removeAt(*index, 1);
    }
    if (!found.empty() && !context.saveLibrary()) {
        failed = true;
    }
    return failed ? kFailure : kSuccess;
}

}  // namespace sonara::cli
