#include "core/library/ScanCoverage.h"

#include <algorithm>

namespace sonara {

namespace {

// Paths as the walk makes them: the folder's own text, then the rest, so a
// plain prefix test places a file (Linux names keep their case).
bool anyHolds(const std::vector<std::string>& folders, const std::string& path) {
    return std::any_of(folders.begin(), folders.end(), [&](const std::string& folder) {
        return !folder.empty() && path.compare(0, folder.size(), folder) == 0;
    });
}

}  // namespace

void ScanCoverage::addWalked(const std::string& folder, std::vector<std::string> unreadFolders) {
    walked_.push_back(folder);
    unreachable_.insert(unreachable_.end(), unreadFolders.begin(), unreadFolders.end());
    unread_.insert(unread_.end(), std::make_move_iterator(unreadFolders.begin()),
                   std::make_move_iterator(unreadFolders.end()));
}

void ScanCoverage::addUnseen(const std::string& folder, bool named) {
    unseen_.push_back(folder);
    unnamedUnseen_ = unnamedUnseen_ || !named;
}

void ScanCoverage::addAbsent(const std::string& folder, bool named) {
    addUnseen(folder, named);
    unreachable_.push_back(folder);
}

ScanCoverage::Sight ScanCoverage::sightOf(const std::string& path) const {
    const bool inWalked = anyHolds(walked_, path);
    if (inWalked && !anyHolds(unread_, path)) {
        return Sight::Seen;
    }
    return inWalked || anyHolds(unseen_, path) ? Sight::Unseen : Sight::Outside;
}

}  // namespace sonara
