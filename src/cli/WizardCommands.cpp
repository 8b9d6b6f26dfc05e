// wizard-search: the setup wizard's drive search on the command line.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "core/library/LibraryScans.h"
#include "core/settings/PreferenceStore.h"
#include "core/tools/wizard/SetupWizard.h"

namespace sonara::cli {

namespace {

constexpr const char* kWizardUsage = "wizard-search [--network] [--add] [MOUNT...]";

}  // namespace

int runWizardSearch(Context& context, Args& args) {
    const bool network = args.takeFlag("--network");
    const bool add = args.takeFlag("--add");
    const auto words = args.operands();
    if (args.hasError()) {
        return usage(context, kWizardUsage, args.error());
    }

    std::vector<WizardDrive> drives;
    if (words.empty()) {
        drives = listSearchDrives(context.drives());
        for (WizardDrive& drive : drives) {
            drive.checked = drive.checked || (network && drive.kind == DriveKind::Network);
        }
    } else {
        for (const std::string& word : words) {
            const std::string root = absoluteFolder(word);
            std::error_code error;
            if (!std::filesystem::is_directory(root, error)) {
                context.report(root + " is not a folder.");
                return kFailure;
            }
            drives.push_back(WizardDrive{root, context.drives().kindOf(root),
                                         context.drives().labelOf(root), true});
        }
    }

    const char* homeVariable = std::getenv("HOME");
    const std::string home = homeVariable != nullptr ? homeVariable : "";
    // Sonara's own folders never come back as music.
    const WizardSkips skips = WizardSkips::forSonara(home, context.paths().programFolder,
                                                     context.prefs().values().copyDelFilesToFolder);
    const DriveSearchResult search = searchDrivesShown(drives, skips, context.prompter());
    if (search.cancelled) {
        context.report("The search was cancelled.");
        return kFailure;
    }
    for (const WizardDrive& drive : drives) {
        if (drive.checked) {
            context.report(driveEntryText(drive) + ": " + std::to_string(drive.foldersVisited) +
                           " folders, " + std::to_string(drive.musicFolders) + " with music");
        }
    }
    const std::vector<std::string> folders = reduceFolders(search.found, drives, skips);
    for (const std::string& folder : folders) {
        std::fprintf(context.out(), "%s\n", folder.c_str());
    }
    if (!add || folders.empty()) {
        return kSuccess;
    }

    LibraryScope scope{context.library(),       context.sources(), context.pathCache(),
                       context.recordFactory(), context.drives(),  context.prompter()};
    const bool promptForName = context.prefs().values().promptForCollectionName != 0;
    const WizardAddResult added = addWizardFoldersShown(folders, scope, promptForName);
    bool saved = true;
    if (added.added > 0 && !added.cancelled) {
        saved = context.saveLibrary() && context.saveSources() && context.savePathCache();
    }
    std::fprintf(context.out(), "%d files added\n", added.added);
    return added.ok && saved ? kSuccess : kFailure;
}

}  // namespace sonara::cli
