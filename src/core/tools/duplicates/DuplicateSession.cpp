#include "core/tools/duplicates/DuplicateSession.h"

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"

namespace sonara {

DuplicateSession::DuplicateSession(DuplicatePreferences& preferences, Prompter& prompter)
    : preferences_(preferences), prompter_(prompter), options_(preferences.options()) {}

void DuplicateSession::storeOptions() {
    preferences_.storeOptions(options_);
}

const std::string& DuplicateSession::browseStart() const {
    return preferences_.lastFolder();
}

Status DuplicateSession::useFolders(const std::vector<std::string>& folders) {
    const Status picked = start_.usePicked(folders);
    if (picked && !start_.folders().empty()) {
        preferences_.storeLastFolder(start_.folders().back());
    }
    return picked;
}

void DuplicateSession::search() {
    search_ = {};
    // A cancelled search still ends with the list of what it found.
    prompter_.runProgress(stringText(TextId::SpaceMakerTitle), "", [&](Progress& progress) {
        search_ = findDuplicates(start_.folders(), options_.stripChars, &progress);
        return true;
    });
}

bool DuplicateSession::tellWhenNoneFound() {
    if (!search_.entries.empty()) {
        return false;
    }
    prompter_.message(stringText(TextId::NoDuplicates), Icon::Information);
    return true;
}

bool DuplicateSession::toggle(size_t row) {
    DuplicateEntry& entry = search_.entries.at(row);
    entry.marked = !entry.marked;
    return entry.marked;
}

std::string DuplicateSession::totalFoundLine() const {
    return sonara::totalFoundLine(search_.entries);
}

std::string DuplicateSession::totalMarkedLine() const {
    return sonara::totalMarkedLine(search_.entries);
}

DeletionResult DuplicateSession::deleteMarked(Prompter* asker) {
    Prompter& answers = asker != nullptr ? *asker : prompter_;
    DeletionResult result;
    // What a Cancel left undone stays on disk and shows in the next search.
    prompter_.runProgress(stringText(TextId::SpaceMakerTitle), "", [&](Progress& progress) {
        result = sonara::deleteMarked(search_.entries, options_, answers, &progress);
        return true;
    });
    if (result.asked) {
        search_.entries.clear();
    }
    return result;
}

}  // namespace sonara
