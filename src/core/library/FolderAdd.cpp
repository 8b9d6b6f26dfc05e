#include "core/library/FolderAdd.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/io/FileAttributes.h"
#include "core/io/Text.h"
#include "core/library/DiskNames.h"
#include "core/library/Drives.h"
#include "core/library/FolderWalk.h"
#include "core/library/Library.h"
#include "core/library/LibraryScans.h"
#include "core/library/MediaName.h"
#include "core/library/PathCache.h"
#include "core/library/SourcesList.h"

namespace sonara {

namespace {

void showPath(Progress& progress, const std::string& path) {
    const size_t slash = path.rfind('/');
    progress.show(std::string_view(path).substr(slash + 1),
                  std::string_view(path).substr(0, slash + 1));
}

}  // namespace

FolderAddResult addFolderToLibrary(const std::string& folder, LibraryScope& scope,
                                   bool promptForName, Progress& progress) {
    FolderAddResult result;
    const std::string start = withTrailingSlash(folder);
    std::string mediaName;
    const bool removable = isRemovable(scope.drives, start);
    if (removable || promptForName) {
        if (auto typed = askRemovableMediaName(scope.prompter, "", removable, scope.sources)) {
            mediaName = std::move(*typed);
        } else if (removable || scope.prompter.ask(stringText(TextId::ContinueAddingQuestion),
                                                   Buttons::YesNo) != Answer::Yes) {
            return result;
        }
    }
    scope.sources.add(start, mediaName);
    std::vector<std::string> found;
    const WalkResult walk = walkFolder(
        start, "*.MP3",
        [&](const std::string& path) {
            showPath(progress, path);
            found.push_back(path);
            return true;
        },
        &progress.cancelFlag());
    // Added in name order, so each record joins the library at its end
    // rather than moving the records after it; of two files with one name
    // the first found still wins.
    std::vector<std::pair<std::string, size_t>> order;
    order.reserve(found.size());
    for (size_t i = 0; i < found.size(); ++i) {
        order.emplace_back(text::toLowerAscii(disk_names::key(files::namePart(found[i]))), i);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> added;
    for (const auto& [key, i] : order) {
        if (progress.cancelled()) {
            break;
        }
        const std::string& path = found[i];
        showPath(progress, path);
        const std::string name = files::namePart(path);
        if (!text::isValidUtf8(name) && scope.library.findByName(disk_names::key(name))) {
            continue;  // held under the name it reads back as
        }
        const AddResult outcome = scope.library.addSong(path, mediaName, scope.factory);
        if (outcome.status == AddStatus::Failed) {
            break;
        }
        if (outcome.status == AddStatus::Added) {
            added.push_back(path);
        }
    }
    result.added = int(added.size());
    scope.cache.addFiles(added);
    result.incomplete = walk.incomplete;
    result.cancelled = progress.cancelled();
    result.ok = !result.cancelled;
    return result;
}

}  // namespace sonara
