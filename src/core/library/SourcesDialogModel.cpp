#include "core/library/SourcesDialogModel.h"

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/library/SourcesList.h"
#include "core/settings/Preferences.h"

namespace sonara {

std::vector<std::string> SourcesDialogModel::rows() const {
    std::vector<std::string> rows;
    for (const SourceFolder& source : sources_.entries()) {
        if (!source.folder.empty()) {
            rows.push_back(source.folder);
        }
    }
    return rows;
}

std::optional<size_t> SourcesDialogModel::sourceOfRow(size_t row) const {
    for (size_t i = 0; i < sources_.count(); ++i) {
        if (!sources_.at(i).folder.empty() && row-- == 0) {
            return i;
        }
    }
    return std::nullopt;
}

SourcesDialogModel::AddOutcome SourcesDialogModel::add(const std::string& chosen,
                                                       Preferences& prefs, Prompter& prompter,
                                                       const std::string& mediaName) {
    if (chosen.empty()) {
        prompter.message(stringText(TextId::SourceAddFailed), Icon::Exclamation);
        return AddOutcome::Failed;
    }
    const std::string folder = withTrailingSlash(chosen);
    prefs.lastUsedFolder = folder;
    if (sources_.indexOfFolder(folder)) {
        prompter.message(stringText(TextId::FolderAddedBefore), Icon::Exclamation);
        return AddOutcome::AlreadyThere;
    }
    if (sources_.add(folder, mediaName, 1) == nullptr) {
        prompter.message(stringText(TextId::SourceAddFailed), Icon::Exclamation);
        return AddOutcome::Failed;
    }
    return AddOutcome::Added;
}

bool SourcesDialogModel::removeRow(size_t row) {
    const std::optional<size_t> index = sourceOfRow(row);
    if (!index) {
        return false;
    }
    sources_.removeAt(*index);
    return true;
}

}  // namespace sonara
