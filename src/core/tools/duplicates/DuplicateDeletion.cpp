#include "core/tools/duplicates/DuplicateDeletion.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/io/FileAttributes.h"
#include "core/io/FileCopy.h"
#include "core/io/Text.h"
#include "core/settings/Preferences.h"

namespace sonara {

namespace {

std::string withSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

bool makeFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return !error && files::isDirectory(folder);
}

// Another entry of the same name whose file is still on disk.
bool otherCopyLeft(const std::vector<DuplicateEntry>& entries, size_t index) {
    const DuplicateEntry& entry = entries[index];
    const std::string path = entry.path();
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i != index && text::equalsNoCase(entries[i].key, entry.key) &&
            entries[i].path() != path && files::exists(entries[i].path())) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string freeHoldingName(const std::string& folder, const std::string& fileName) {
    if (!files::exists(folder + fileName) && !files::isDirectory(folder + fileName)) {
        return fileName;
    }
    const size_t dot = fileName.rfind('.');
    const std::string stem = dot == std::string::npos ? fileName : fileName.substr(0, dot);
    const std::string extension = dot == std::string::npos ? "" : fileName.substr(dot);
    for (unsigned long n = 0;; ++n) {
        std::string name = stem + "(" + std::to_string(n) + ")" + extension;
        const std::string path = folder + name;
        if (!files::exists(path) && !files::isDirectory(path)) {
            return name;
        }
    }
}

DeletionResult deleteMarked(const std::vector<DuplicateEntry>& entries, const Preferences& prefs,
                            Prompter& prompter, Progress* progress) {
    return deleteMarked(entries, duplicateOptions(prefs), prompter, progress);
}

DeletionResult deleteMarked(const std::vector<DuplicateEntry>& entries,
                            const DuplicateOptions& options, Prompter& prompter,
                            Progress* progress) {
    DeletionResult result;
    if (prompter.ask(stringText(TextId::DeleteCheckedQuestion), Buttons::YesNo) != Answer::Yes) {
        return result;
    }
    result.asked = true;
    const std::string holding = withSlash(options.holdingFolder);
    for (size_t i = 0; i < entries.size(); ++i) {
        const DuplicateEntry& entry = entries[i];
        if (!entry.marked) {
            continue;
        }
        if (progress) {
            if (progress->cancelled()) {
                break;
            }
            progress->show(entry.fileName, entry.folder);
        }
        const std::string path = entry.path();
        if (!files::exists(path)) {
            ++result.skipped;
            continue;
        }
        if (files::isReadOnly(path)) {
            prompter.message(stringText(TextId::DeleteFailed), Icon::Exclamation);
            ++result.failed;
            continue;
        }
        if (!otherCopyLeft(entries, i)) {
            ++result.lastCopies;
            continue;
        }
        if (options.copyDeletedFiles) {
            const bool copied =
                !holding.empty() && makeFolder(holding) &&
                files::copyInBlocks(path, holding + freeHoldingName(holding, entry.fileName),
                                    files::CopyTarget::NewOnly);
            if (!copied) {
                prompter.message(stringText(TextId::CopyFailedOriginalKept), Icon::Exclamation);
                ++result.failed;
                continue;
            }
            ++result.copied;
        }
        if (::unlink(path.c_str()) != 0) {
            prompter.message(stringText(TextId::DeleteFailed), Icon::Exclamation);
            ++result.failed;
            continue;
        }
        ++result.deleted;
    }
    return result;
}

}  // namespace sonara
