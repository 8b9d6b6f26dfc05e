#include "core/library/search/SearchPreferences.h"

#include "core/settings/PreferenceStore.h"

namespace sonara {

NormaliseOptions SearchPreferences::normalise() const {
    return store_.normaliseOptions();
}

bool SearchPreferences::availableOnly() const {
    return store_.values().showAvailSongsOnly != 0;
}

bool SearchPreferences::lettersOff() const {
    return store_.values().useLibraryWizard != 0;
}

}  // namespace sonara
