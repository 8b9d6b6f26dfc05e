#include "core/tools/backup/DataBackup.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "core/app/StringTable.h"
#include "core/io/FileAttributes.h"
#include "core/io/FileCopy.h"
#include "core/io/Text.h"
#include "core/library/FolderWalk.h"

namespace sonara {

namespace {

namespace fs = std::filesystem;

constexpr const char* kStagedSuffix = ".restoring";

// The set's file in `folder`: the exact name when it exists, else an entry
// whose name differs only in case (Windows copies carry any case), else the
// exact name, absent.
std::string fileIn(const std::string& folder, std::string_view name) {
    const std::string exact = folder + std::string(name);
    if (files::exists(exact) || folder.empty()) {
        return exact;
    }
    std::optional<std::string> found;
    listFolder(folder, "*", [&](const std::string& path) {
        if (!text::equalsNoCase(files::namePart(path), name)) {
            return true;
        }
        found = path;
        return false;
    });
    return found.value_or(exact);
}

bool samePath(const std::string& a, const std::string& b) {
    std::error_code error;
    if (fs::equivalent(a, b, error)) {
        return true;
    }
    return fs::weakly_canonical(a, error) == fs::weakly_canonical(b, error);
}

// Copies `source` to `target` (created or truncated) and flushes it; false
// on any file error, and for a file onto itself.
bool copyBytes(const std::string& source, const std::string& target) {
    return !samePath(source, target) &&
           files::copyInBlocks(source, target, files::CopyTarget::Truncate);
}

// A whole copy or none: the bytes go to a temporary file beside `target`,
// which replaces it only once complete.
bool copyInto(const std::string& source, const std::string& target, const std::string& temporary) {
    if (samePath(source, target) || !copyBytes(source, temporary)) {
        std::remove(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    files::syncFolder(files::folderPart(target));
    return true;
}

}  // namespace

DataBackup::DataBackup(const DataPaths& paths, Prompter& prompter)
    : paths_(paths), prompter_(prompter) {}

std::string DataBackup::defaultFolder() const {
    const std::string folder = paths_.programFolder + "/Backup";
    std::error_code ignored;
    fs::create_directories(folder, ignored);
    return folder;
}

bool DataBackup::isDataFolder(const std::string& folder) const {
    return samePath(files::withTrailingSlash(folder),
                    files::withTrailingSlash(paths_.programFolder));
}

BackupOutcome DataBackup::backup(const std::optional<std::string>& chosen) {
    if (!chosen) {
        prompter_.message(stringText(TextId::BackupCancelled), Icon::Information);
        return BackupOutcome::Cancelled;
    }
    if (isDataFolder(*chosen)) {
        prompter_.message(stringText(TextId::BackupIntoDataFolder), Icon::Exclamation);
        return BackupOutcome::Refused;
    }
    const std::string from = files::withTrailingSlash(paths_.programFolder);
    const std::string to = files::withTrailingSlash(*chosen);
    bool allCopied = true;
    bool cancelled = false;
    prompter_.runProgress(stringText(TextId::BackupProgressTitle), "", [&](Progress& progress) {
        for (const std::string_view name : kFileNames) {
            if (progress.cancelled()) {
                cancelled = true;
                return false;
            }
            const std::string source = fileIn(from, name);
            if (!files::exists(source)) {
                continue;
            }
            progress.show(files::namePart(source), from);
            const std::string target = to + files::namePart(source);
            if (!copyInto(source, target, target + kStagedSuffix)) {
                allCopied = false;
            }
        }
        return allCopied;
    });
    if (cancelled) {
        prompter_.message(stringText(TextId::BackupCancelled), Icon::Information);
        return BackupOutcome::Cancelled;
    }
    if (!allCopied) {
        prompter_.message(stringText(TextId::BackupFailed), Icon::Exclamation);
        return BackupOutcome::Failed;
    }
    prompter_.message(stringText(TextId::BackupCompleted), Icon::Information);
    return BackupOutcome::Completed;
}

bool DataBackup::confirmRestore() {
    return prompter_.ask(stringText(TextId::OverwriteLibraryQuestion), Buttons::YesNo,
                         Icon::Question) == Answer::Yes;
}

BackupOutcome DataBackup::restore(const std::optional<std::string>& chosen) {
    if (!chosen) {
        prompter_.message(stringText(TextId::RestoreCancelled), Icon::Information);
        return BackupOutcome::Cancelled;
    }
    // Restoring from the data folder would delete each file before copying it.
    if (isDataFolder(*chosen)) {
        prompter_.message(stringText(TextId::RestoreFromDataFolder), Icon::Exclamation);
        return BackupOutcome::Refused;
    }
    const std::string from = files::withTrailingSlash(*chosen);
    const std::string to = files::withTrailingSlash(paths_.programFolder);
    // A missing or wrong folder would otherwise delete every data file and
    // put nothing in their place.
    const bool holdsBackup = std::any_of(kFileNames.begin(), kFileNames.end(), [&](auto name) {
        return files::exists(fileIn(from, name));
    });
    if (!holdsBackup) {
        prompter_.message(formatText(TextId::NoBackupFilesIn, from), Icon::Exclamation);
        return BackupOutcome::Refused;
    }

    struct Step {
        std::string target;  // the data file
        std::string staged;  // its new copy, empty when the backup lacks it
    };
    std::vector<Step> steps;
    bool allCopied = true;
    bool cancelled = false;
    prompter_.runProgress(stringText(TextId::RestoreProgressTitle), "", [&](Progress& progress) {
        for (const std::string_view name : kFileNames) {
            if (progress.cancelled()) {
                cancelled = true;
                return false;
            }
            Step step{fileIn(to, name), {}};
            const std::string source = fileIn(from, name);
            if (files::exists(source)) {
                progress.show(files::namePart(source), from);
                step.staged = step.target + kStagedSuffix;
                if (samePath(source, step.target) || !copyBytes(source, step.staged)) {
                    std::remove(step.staged.c_str());
                    allCopied = false;
                    return false;
                }
            }
            steps.push_back(std::move(step));
        }
        return true;
    });
    if (cancelled || !allCopied) {
        for (const Step& step : steps) {
            if (!step.staged.empty()) {
                std::remove(step.staged.c_str());
            }
        }
        if (cancelled) {
            prompter_.message(stringText(TextId::RestoreCancelled), Icon::Information);
            return BackupOutcome::Cancelled;
        }
        prompter_.message(stringText(TextId::RestoreFailed), Icon::Exclamation);
        return BackupOutcome::Failed;
    }
    // Every new copy is whole on disk: only renames and deletes are left,
    // which do not need free space.
    bool placed = true;
    for (const Step& step : steps) {
        if (step.staged.empty()) {
            std::error_code error;
            fs::remove(step.target, error);
            placed = placed && !error;
        } else if (std::rename(step.staged.c_str(), step.target.c_str()) != 0) {
            std::remove(step.staged.c_str());
            placed = false;
        }
    }
    files::syncFolder(to);
    if (!placed) {
        prompter_.message(stringText(TextId::RestoreFailed), Icon::Exclamation);
        return BackupOutcome::Failed;
    }
    prompter_.message(stringText(TextId::RestoreCompleted), Icon::Information);
    return BackupOutcome::Completed;
}

}  // namespace sonara
