#include "core/tools/duplicates/DuplicatePreferences.h"

#include <utility>

#include "core/settings/Preferences.h"

namespace sonara {

DuplicateOptions duplicateOptions(const Preferences& values) {
    return {values.stripChars == 1, values.copyDelFiles == 1, values.copyDelFilesToFolder};
}

DuplicatePreferences::DuplicatePreferences(Preferences& values, std::function<void()> save)
    : values_(values), save_(std::move(save)) {}

DuplicateOptions DuplicatePreferences::options() const {
    return duplicateOptions(values_);
}

void DuplicatePreferences::storeOptions(const DuplicateOptions& options) {
    values_.stripChars = options.stripChars ? 1 : 0;
    values_.copyDelFiles = options.copyDeletedFiles ? 1 : 0;
    values_.copyDelFilesToFolder = options.holdingFolder;
    save_();
}

const std::string& DuplicatePreferences::lastFolder() const {
    return values_.dupFilesFolder;
}

void DuplicatePreferences::storeLastFolder(const std::string& folder) {
    values_.dupFilesFolder = folder;
    save_();
}

}  // namespace sonara
