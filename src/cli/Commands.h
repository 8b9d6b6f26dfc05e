#pragma once

#include "cli/Args.h"
#include "cli/Context.h"

namespace sonara::cli {

// Each command returns an ExitCode. Usage errors print the command's usage
// line on stderr and return kUsage.
int runAdd(Context& context, Args& args);
int runList(Context& context, Args& args);
int runTotals(Context& context, Args& args);
int runRemove(Context& context, Args& args);
int runTag(Context& context, Args& args);
int runPrefs(Context& context, Args& args);
int runPlaylist(Context& context, Args& args);
int runInfo(Context& context, Args& args);
int runPlay(Context& context, Args& args);
int runDevices(Context& context, Args& args);
int runVolume(Context& context, Args& args);
int runToWav(Context& context, Args& args);
// Sources, scans, availability and removable media (SourceCommands.cpp).
int runSources(Context& context, Args& args);
int runUpdate(Context& context, Args& args);
int runCheck(Context& context, Args& args);
int runLocate(Context& context, Args& args);
int runMedia(Context& context, Args& args);
// Library search and selectors (SearchCommands.cpp).
int runSearch(Context& context, Args& args);
int runLetter(Context& context, Args& args);
int runValues(Context& context, Args& args);
// Mounted drives with their kinds and labels (DriveCommands.cpp).
int runDrives(Context& context, Args& args);
// The library tools (one file each: WizardCommands.cpp, DupesCommands.cpp,
// RenameCommands.cpp, ReportCommands.cpp, TopCommands.cpp, BackupCommands.cpp,
// RecordCommands.cpp).
int runWizardSearch(Context& context, Args& args);
int runDupes(Context& context, Args& args);
int runRename(Context& context, Args& args);
int runReport(Context& context, Args& args);
int runTop(Context& context, Args& args);
int runBackup(Context& context, Args& args);
int runRestore(Context& context, Args& args);
int runRecord(Context& context, Args& args);
int runGenre(Context& context, Args& args);
// The overall usage or one command's, and the genre table (HelpCommands.cpp).
int runHelp(Context& context, Args& args);
int runGenres(Context& context, Args& args);
// "unknown command NAME" with the nearest command, if any; returns kUsage.
int unknownCommand(Context& context, const std::string& name);

// Prints `problem` and the usage of the command named by the first word of
// `line`, from the command table, on stderr and returns kUsage. The rest of
// `line` is only printed for a command the table does not hold.
int usage(Context& context, const char* line, const std::string& problem = {});

}  // namespace sonara::cli
