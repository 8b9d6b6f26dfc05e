#include "core/library/LocateRecordFile.h"

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/io/FileAttributes.h"
#include "core/io/Text.h"
#include "core/library/DiskNames.h"
#include "core/library/FolderWalk.h"
#include "core/library/LibraryRecord.h"
#include "core/library/PathCache.h"
#include "core/library/SourcesList.h"

namespace sonara {

namespace {

// Whether a listed name is the record's: ignoring case, and in the form
// names take in the data files.
bool sameName(const std::string& listed, const std::string& name) {
    if (text::equalsNoCase(listed, name)) {
        return true;
    }
    return !text::isValidUtf8(listed) && text::equalsNoCase(disk_names::key(listed), name);
}

// folder + name, else the same in each sub-folder, depth first; folders
// reached again (through links) are not searched again. A name that differs
// only in case is taken when the exact one is not there, as the library
// names files ignoring case.
std::optional<std::string> searchTree(const std::string& folder, const std::string& name) {
    std::optional<std::string> hit;
    WalkOptions options;
    options.folder = [&](const std::string& reached) {
        if (files::exists(reached + name)) {
            hit = reached + name;
            return FolderStep::Stop;
        }
        return FolderStep::Enter;
    };
    walkFolder(folder, options, [&](const std::string& path) {
        if (!sameName(files::namePart(path), name)) {
            return true;
        }
        hit = path;
        return false;
    });
    return hit;
}

}  // namespace

std::optional<std::string> locateRecordFile(const LibraryRecord& record, const PathCache& cache,
                                            SourcesList& sources, Prompter* prompter) {
    if (const std::optional<size_t> i = cache.find(record.fileName())) {
        const std::string cached = disk_names::onDisk(cache.at(*i).fullPath);
        if (files::exists(cached)) {
            return cached;
        }
    }
    for (size_t i = 0; i < sources.count(); ++i) {
        SourceFolder& source = sources.at(i);
        if (!source.isPresent()) {
            continue;
        }
        if (auto hit =
                searchTree(withTrailingSlash(source.folder), std::string(record.fileName()))) {
            return hit;
        }
    }
    if (prompter != nullptr) {
        if (!record.mediaName().empty()) {
            prompter->message(
                formatText(TextId::InsertRemovableMedia, std::string(record.mediaName())),
                Icon::Exclamation);
        } else {
            prompter->message(stringText(TextId::FileNotFound), Icon::Exclamation);
        }
    }
    return std::nullopt;
}

}  // namespace sonara
