// backup and restore: the data files copied to a folder and back.
#include <filesystem>
#include <string>

#include "cli/Commands.h"
#include "core/tools/backup/DataBackup.h"

namespace sonara::cli {

namespace {

constexpr const char* kBackupUsage = "backup [DIR]";
constexpr const char* kRestoreUsage = "restore DIR";

int exitCodeOf(BackupOutcome outcome) {
    return outcome == BackupOutcome::Completed ? kSuccess : kFailure;
}

}  // namespace

int runBackup(Context& context, Args& args) {
    const auto operands = args.operands();
    if (args.hasError() || operands.size() > 1) {
        return usage(context, kBackupUsage, args.error());
    }
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
    const auto operands = args.operands();
    if (args.hasError() || operands.size() != 1) {
        return usage(context, kRestoreUsage, args.error());
    }
    DataBackup tool(context.paths(), context.prompter());
    if (!tool.confirmRestore()) {
        return kFailure;
    }
    return exitCodeOf(tool.restore(absolutePath(operands[0])));
}

}  // namespace sonara::cli
