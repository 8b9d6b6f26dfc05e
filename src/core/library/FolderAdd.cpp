#include "core/library/FolderAdd.h"

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
#include "core/metadata/Normaliser.h"

namespace sonara {

namespace {

constexpr int kContinueAddingQuestion = 120;

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
        } else if (removable || scope.prompter.ask(stringText(kContinueAddingQuestion),
                                                   Buttons::YesNo) != Answer::Yes) {
            return result;
        }
    }
    scope.sources.add(start, mediaName);
    scope.library.sort(SortOrder::FileName, NormaliseOptions{});
    const WalkResult walk = walkFolder(
        start, "*.MP3",
        [&](const std::string& path) {
            const size_t slash = path.rfind('/');
            progress.show(std::string_view(path).substr(slash + 1),
                          std::string_view(path).substr(0, slash + 1));
            const std::string name = files::namePart(path);
            if (!text::isValidUtf8(name) && scope.library.findByName(disk_names::key(name)) >= 0) {
                return true;  // held under the name it reads back as
            }
            const AddResult added = scope.library.addSong(path, mediaName, scope.factory);
            if (added.status == AddStatus::Added) {
                ++result.added;
                scope.cache.addFile(path);
            }
            return added.status != AddStatus::Failed;
        },
        &progress.cancelFlag());
    result.incomplete = walk.incomplete;
    result.cancelled = progress.cancelled();
    result.ok = !result.cancelled;
    return result;
}

}  // namespace sonara
