#include "core/library/LocateRecordFile.h"

#include <dirent.h>
#include <sys/stat.h>
#include <memory>
#include <set>
#include <vector>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/io/FileAttributes.h"
#include "core/io/Text.h"
#include "core/library/DiskNames.h"
#include "core/library/LibraryRecord.h"
#include "core/library/PathCache.h"
#include "core/library/SourcesList.h"

namespace sonara {

namespace {

struct DirCloser {
    void operator()(DIR* d) const { closedir(d); }
};

bool isFolderEntry(const dirent& entry, const std::string& path) {
    if (entry.d_type == DT_DIR) {
        return true;
    }
    return (entry.d_type == DT_LNK || entry.d_type == DT_UNKNOWN) && files::isDirectory(path);
}

// Whether a listed name is the record's: ignoring case, and in the form
// names take in the data files.
bool sameName(const std::string& listed, const std::string& name) {
    if (text::equalsNoCase(listed, name)) {
        return true;
    }
    return !text::isValidUtf8(listed) && text::equalsNoCase(disk_names::key(listed), name);
}

// folder + name, else the same in each sub-folder, depth first; folders
// already seen (through links) are not searched again. A name that differs
// only in case is taken when the exact one is not there, as the library
// names files ignoring case.
std::optional<std::string> searchTree(const std::string& folder, const std::string& name,
                                      std::set<std::pair<dev_t, ino_t>>& seen) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0 || !seen.insert({st.st_dev, st.st_ino}).second) {
        return std::nullopt;
    }
    if (files::exists(folder + name)) {
        return folder + name;
    }
    std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.c_str()));
    if (!dir) {
        return std::nullopt;
    }
    std::vector<std::string> subs;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string child = entry->d_name;
        if (child == "." || child == "..") {
            continue;
        }
        const std::string path = folder + child;
        if (isFolderEntry(*entry, path)) {
            subs.push_back(path + "/");
        } else if (sameName(child, name) && files::exists(path)) {
            return path;
        }
    }
    dir.reset();
    for (const std::string& sub : subs) {
        if (auto hit = searchTree(sub, name, seen)) {
            return hit;
        }
    }
    return std::nullopt;
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
        std::set<std::pair<dev_t, ino_t>> seen;
        if (auto hit = searchTree(withTrailingSlash(source.folder), std::string(record.fileName()),
                                  seen)) {
            return hit;
        }
    }
    if (prompter != nullptr) {
        if (!record.mediaName().empty()) {
            prompter->message(formatText(129, std::string(record.mediaName())), Icon::Exclamation);
        } else {
            prompter->message(stringText(130), Icon::Exclamation);
        }
    }
    return std::nullopt;
}

}  // namespace sonara
