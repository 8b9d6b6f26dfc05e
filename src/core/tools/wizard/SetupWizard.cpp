#include "core/tools/wizard/SetupWizard.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <utility>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/library/FolderAdd.h"
#include "core/library/FolderWalk.h"
#include "core/library/Library.h"
#include "core/library/LibraryScans.h"
#include "core/library/PathCache.h"
#include "core/library/SourcesList.h"

namespace sonara {

namespace {

std::string upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

bool startsWithNoCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && upper(text.substr(0, prefix.size())) == upper(prefix);
}

bool equalNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && upper(a) == upper(b);
}

std::string slashed(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

// The drive whose root is the longest prefix of `folder`.
const WizardDrive* owningDrive(const std::string& folder, const std::vector<WizardDrive>& drives) {
    const WizardDrive* best = nullptr;
    for (const WizardDrive& drive : drives) {
        if (startsWithNoCase(folder, drive.root) &&
            (best == nullptr || drive.root.size() > best->root.size())) {
            best = &drive;
        }
    }
    return best;
}

class DriveWalker {
  public:
    DriveWalker(WizardDrive& drive, const std::string& home, Progress& progress,
                std::vector<std::string>& found)
        : drive_(drive), home_(home), progress_(progress), found_(found) {}

    // False when cancelled.
    bool run() {
        struct stat info {};
        if (::stat(drive_.root.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
            return true;  // an unreadable drive has nothing to offer
        }
        device_ = info.st_dev;
        return walk(drive_.root, info);
    }

  private:
    bool walk(const std::string& folder, const struct stat& info) {
        if (progress_.cancelled()) {
            return false;
        }
        if (!visited_.insert({info.st_dev, info.st_ino}).second) {
            return true;
        }
        progress_.show("*.mp3", folder);
        ++drive_.foldersVisited;
        DIR* dir = ::opendir(folder.c_str());
        if (dir == nullptr) {
            return true;
        }
        std::vector<std::pair<std::string, struct stat>> subFolders;
        bool music = false;
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name == "." || name == "..") {
                continue;
            }
            struct stat child {};
            if (::lstat((folder + name).c_str(), &child) != 0) {
                continue;
            }
            if (S_ISDIR(child.st_mode)) {
                // Other mounts (and /proc and the like) are not this drive's.
                if (child.st_dev == device_) {
                    subFolders.emplace_back(folder + name + "/", child);
                }
            } else if (S_ISREG(child.st_mode) && !music && matchesPattern(name, "*.MP3")) {
                music = true;
            }
        }
        ::closedir(dir);
        if (music && !isTrashFolder(folder, home_)) {
            found_.push_back(folder);
            ++drive_.musicFolders;
        }
        for (const auto& [path, child] : subFolders) {
            if (!walk(path, child)) {
                return false;
            }
        }
        return true;
    }

    WizardDrive& drive_;
    const std::string& home_;
    Progress& progress_;
    std::vector<std::string>& found_;
    dev_t device_ = 0;
    std::set<std::pair<dev_t, ino_t>> visited_;
};

}  // namespace

std::string driveEntryText(const WizardDrive& drive) {
    std::string description = drive.label;
    switch (drive.kind) {
        case DriveKind::Network:
            description += "  (Network Drive)";
            break;
        case DriveKind::CdRom:
            description = "CD-Rom";
            break;
        case DriveKind::Removable:
            description = "Removable";
            break;
        default:
            break;
    }
    return "  " + drive.root + "   " + description;
}

std::vector<WizardDrive> listSearchDrives(const Drives& drives) {
    std::vector<WizardDrive> list;
    for (const MountedDrive& mounted : drives.drives()) {
        if (mounted.kind == DriveKind::Fixed || mounted.kind == DriveKind::Network) {
            list.push_back(WizardDrive{slashed(mounted.mountPoint), mounted.kind, mounted.label,
                                       mounted.kind == DriveKind::Fixed});
        }
    }
    return list;
}

std::vector<WizardDrive> listRemovableDrives(const Drives& drives) {
    std::vector<WizardDrive> list;
    for (const MountedDrive& mounted : drives.drives()) {
        if (mounted.kind == DriveKind::Removable || mounted.kind == DriveKind::CdRom) {
            list.push_back(
                WizardDrive{slashed(mounted.mountPoint), mounted.kind, mounted.label, false});
        }
    }
    return list;
}

bool isTrashFolder(const std::string& folder, const std::string& home) {
    if (!home.empty() && startsWithNoCase(slashed(folder), slashed(home) + ".local/share/Trash/")) {
        return true;
    }
    size_t start = 0;
    while (start < folder.size()) {
        size_t end = folder.find('/', start);
        if (end == std::string::npos) {
            end = folder.size();
        }
        const std::string part = upper(folder.substr(start, end - start));
        if (part == "RECYCLED" || part == "$RECYCLE.BIN" || part == ".TRASH" ||
            part.rfind(".TRASH-", 0) == 0) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

DriveSearchResult searchDrives(std::vector<WizardDrive>& drives, const std::string& home,
                               Progress& progress) {
    DriveSearchResult result;
    for (WizardDrive& drive : drives) {
        drive.foldersVisited = 0;
        drive.musicFolders = 0;
    }
    for (WizardDrive& drive : drives) {
        if (!drive.checked) {
            continue;
        }
        DriveWalker walker(drive, home, progress, result.found);
        if (!walker.run()) {
            result.cancelled = true;
            result.found.clear();
            for (WizardDrive& each : drives) {
                each.foldersVisited = 0;
                each.musicFolders = 0;
            }
            break;
        }
    }
    return result;
}

std::vector<std::string> reduceFolders(const std::vector<std::string>& found,
                                       const std::vector<WizardDrive>& drives) {
    // Names keep their case: Linux names are case-sensitive, so only the
    // comparisons ignore it.
    std::vector<std::string> folders = found;
    for (size_t i = 0; i < folders.size(); ++i) {
        std::string folder = folders[i];
        while (folder.size() > 1 && folder.back() == '/') {
            folder.pop_back();
        }
        const size_t cut = folder.rfind('/');
        if (cut == std::string::npos) {
            continue;
        }
        const std::string parent = folder.substr(0, cut + 1);
        const WizardDrive* drive = owningDrive(parent, drives);
        if (drive == nullptr || parent.size() < drive->root.size()) {
            continue;  // never above the drive it was found on
        }
        const bool belowTop = !equalNoCase(parent, drive->root);
        const int share =
            drive->foldersVisited > 0 ? drive->musicFolders * 100 / drive->foldersVisited : 0;
        if (!belowTop && share <= 49) {
            continue;
        }
        const auto later = std::remove_if(
            folders.begin() + static_cast<long>(i) + 1, folders.end(),
            [&](const std::string& other) { return startsWithNoCase(other, parent); });
        if (later != folders.end()) {
            folders.erase(later, folders.end());
            folders[i] = parent;
        }
    }
    // A folder that became its parent can now hold an earlier hit; the adds
    // are recursive, so each tree is added once.
    std::vector<std::string> reduced;
    for (const std::string& folder : folders) {
        const bool covered = std::any_of(folders.begin(), folders.end(), [&](const auto& other) {
            return other.size() < folder.size() && startsWithNoCase(folder, other);
        });
        const bool repeated = std::any_of(reduced.begin(), reduced.end(), [&](const auto& kept) {
            return equalNoCase(kept, folder);
        });
        if (!covered && !repeated) {
            reduced.push_back(folder);
        }
    }
    return reduced;
}

WizardAddResult addWizardFolders(const std::vector<std::string>& folders, LibraryScope& scope,
                                 bool promptForName, Progress& progress) {
    WizardAddResult result;
    for (const std::string& folder : folders) {
        const FolderAddResult added = addFolderToLibrary(folder, scope, promptForName, progress);
        result.added += added.added;
        if (added.cancelled || progress.cancelled()) {
            result.cancelled = true;
            result.ok = false;
            break;
        }
        if (!added.ok) {
            result.ok = false;
            break;
        }
    }
    return result;
}

DriveSearchResult searchDrivesShown(std::vector<WizardDrive>& drives, const std::string& home,
                                    Prompter& prompter) {
    DriveSearchResult search;
    const bool finished =
        prompter.runProgress(stringText(TextId::SearchingDrives), "", [&](Progress& progress) {
            search = searchDrives(drives, home, progress);
            return !search.cancelled;
        });
    if (!finished && !search.cancelled) {
        // Cancel pressed after the last folder: the search still counts as cancelled.
        search = DriveSearchResult{{}, true};
        for (WizardDrive& drive : drives) {
            drive.foldersVisited = 0;
            drive.musicFolders = 0;
        }
    }
    return search;
}

WizardAddResult addWizardFoldersShown(const std::vector<std::string>& folders, LibraryScope& scope,
                                      bool promptForName) {
    WizardAddResult added;
    const bool finished =
        scope.prompter.runProgress(stringText(TextId::AddingFolders), "", [&](Progress& progress) {
            added = addWizardFolders(folders, scope, promptForName, progress);
            return added.ok;
        });
    if (!finished && added.ok) {
        added.ok = false;
        added.cancelled = true;
    }
    return added;
}

WizardSearchStep searchAndAddDrives(std::vector<WizardDrive>& drives, const std::string& home,
                                    LibraryScope& scope, bool promptForName) {
    WizardSearchStep step;
    const DriveSearchResult search = searchDrivesShown(drives, home, scope.prompter);
    if (search.cancelled) {
        step.cancelled = true;
        return step;
    }
    step.folders = reduceFolders(search.found, drives);
    if (!step.folders.empty()) {
        step.added = addWizardFoldersShown(step.folders, scope, promptForName);
    }
    return step;
}

int addRemovableMedia(const std::vector<WizardDrive>& drives, LibraryScope& scope,
                      bool promptForName) {
    const bool anyChecked =
        std::any_of(drives.begin(), drives.end(), [](const auto& drive) { return drive.checked; });
    if (!anyChecked) {
        scope.prompter.message(stringText(TextId::SelectRemovableDrive), Icon::Information);
        return 0;
    }
    int total = 0;
    for (const WizardDrive& drive : drives) {
        if (!drive.checked) {
            continue;
        }
        int added = 0;
        const bool ok = scope.prompter.runProgress(
            stringText(TextId::AddingFolders), "", [&](Progress& progress) {
                const FolderAddResult result =
                    addFolderToLibrary(drive.root, scope, promptForName, progress);
                added = result.added;
                return result.ok;
            });
        total += added;
        if (!ok) {
            break;  // a medium left unnamed or a cancelled walk ends the batch
        }
        scope.prompter.message(std::to_string(added) + " files added", Icon::Information);
    }
    return total;
}

bool resetLibraryForWizard(LibraryScope& scope) {
    if (scope.library.count() > 0 && scope.prompter.ask(stringText(TextId::ResetLibraryQuestion),
                                                        Buttons::YesNo) != Answer::Yes) {
        return false;
    }
    scope.library.clear();
    scope.sources.clear();
    scope.cache.clear();
    return true;
}

}  // namespace sonara
