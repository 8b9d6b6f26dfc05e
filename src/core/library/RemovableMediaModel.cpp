#include "core/library/RemovableMediaModel.h"

#include <algorithm>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/io/Text.h"
#include "core/library/Library.h"
#include "core/library/MediaName.h"
#include "core/library/SourcesList.h"
#include "core/settings/Preferences.h"

namespace sonara {

RemovableMediaModel::RemovableMediaModel(Library& library, SourcesList& sources)
    : library_(library), sources_(sources) {
    refill();
    select(0);
}

void RemovableMediaModel::refill() {
    names_.clear();
    for (size_t i = 0; i < library_.count(); ++i) {
        const std::string_view name = library_.at(i)->mediaName();
        if (!name.empty() && !indexOf(std::string(name))) {
            names_.emplace_back(name);
        }
    }
}

void RemovableMediaModel::select(std::optional<size_t> index) {
    selected_ = index && *index < names_.size() ? index : std::nullopt;
}

std::optional<size_t> RemovableMediaModel::indexOf(const std::string& name) const {
    const auto it = std::find_if(names_.begin(), names_.end(),
                                 [&](const std::string& n) { return text::equalsNoCase(n, name); });
    if (it == names_.end()) {
        return std::nullopt;
    }
    return size_t(it - names_.begin());
}

bool RemovableMediaModel::edit(Prompter& prompter) {
    if (!hasSelection()) {
        return false;
    }
    const auto typed = askRemovableMediaName(prompter, names_[*selected_], true, sources_);
    if (!typed) {
        return false;
    }
    renameSelected(*typed);
    return true;
}

std::string RemovableMediaModel::renameProblem(const std::string& typed) const {
    return mediaNameProblem(typed, hasSelection() ? names_[*selected_] : "", true, sources_);
}

void RemovableMediaModel::renameSelected(const std::string& newName) {
    if (!hasSelection() || newName.empty()) {
        return;
    }
    const std::string old = names_[*selected_];
    for (size_t i = 0; i < library_.count(); ++i) {
        LibraryRecord& record = *library_.at(i);
        if (text::equalsNoCase(record.mediaName(), old)) {
            record.setMediaName(newName);
        }
    }
    sources_.renameMedia(old, newName);
    refill();
    select(indexOf(newName));
}

bool RemovableMediaModel::removeSelected(Prompter& prompter) {
    if (!hasSelection() || prompter.ask(stringText(TextId::DeleteQuestion), Buttons::YesNo,
                                        Icon::Question) != Answer::Yes) {
        return false;
    }
    const std::string name = names_[*selected_];
    for (size_t i = library_.count(); i-- > 0;) {
        if (text::equalsNoCase(library_.at(i)->mediaName(), name)) {
            library_.removeAt(i, 1);
        }
    }
    sources_.removeMedia(name);
    removedAny_ = true;
    const size_t oldPlace = *selected_;
    refill();
    if (!names_.empty()) {
        select(std::min(oldPlace, names_.size() - 1));
    } else {
        select(std::nullopt);
    }
    return true;
}

std::string RemovableMediaModel::choose(bool checkAvailabilityOnClose, Preferences& prefs) const {
    prefs.checkAvailAfterRemovableMediaSelection = checkAvailabilityOnClose ? 1 : 0;
    return hasSelection() ? names_[*selected_] : "";
}

}  // namespace sonara
