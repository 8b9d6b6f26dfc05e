// backup and restore: the data files copied to a folder and back.
#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CommandTable.h"
#include "cli/Commands.h"
#include "core/io/FileAttributes.h"
#include "core/tools/backup/DataBackup.h"

namespace sonara::cli {

namespace {

// Whether DataBackup::restore would refuse `folder` at once: the data folder
// itself, or a folder holding none of the set.
bool restoreRefuses(const std::string& folder, const std::string& dataFolder) {
    std::error_code error;
    if (std::filesystem::equivalent(folder, dataFolder, error)) {
        return true;
    }
    return std::none_of(
        DataBackup::kFileNames.begin(), DataBackup::kFileNames.end(), [&](std::string_view name) {
            return files::exists(files::withTrailingSlash(folder) + std::string(name));
        });
}

int exitCodeOf(BackupOutcome outcome) {
    return outcome == BackupOutcome::Completed ? kSuccess : kFailure;
}

}  // namespace

int runBackup(Context& context, Args& args) {
    const auto words = operandsFor(context, args, "backup");
    if (!words) {
        return kUsage;
    }
    const std::vector<std::string>& operands = *words;
    DataBackup tool(context.paths(), context.prompter());
    // The default folder is made even when another one is given, as the
    // browser that starts there would.
    const std::string defaultFolder = tool.defaultFolder();
    const std::string folder = operands.empty() ? defaultFolder : absolutePath(operands[0]);
    // As the folder browser's "Make New Folder" would; a folder that cannot
    // be made fails the copies, which the outcome message reports.
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return exitCodeOf(tool.backup(folder));
}

// The data files are read again by the next command: this one exits.
int runRestore(Context& context, Args& args) {
    const auto operands = operandsFor(context, args, "restore");
    if (!operands) {
        return kUsage;
    }
    const std::string folder = absolutePath(operands->front());
    DataBackup tool(context.paths(), context.prompter());
    // A folder the restore refuses is refused before the overwrite question,
    // which would otherwise be answered for nothing.
    if (!restoreRefuses(folder, context.paths().programFolder) && !tool.confirmRestore()) {
        return kFailure;
    }
    return exitCodeOf(tool.restore(folder));
}

}  // namespace sonara::cli
