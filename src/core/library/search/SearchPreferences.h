#pragma once

#include "core/metadata/Normaliser.h"

namespace sonara {

class PreferenceStore;

// The preferences the library list's search reads, typed: a view of the
// store that reads afresh on every call, so a change made in the preferences
// dialog applies to the next search. Borrows the store.
class SearchPreferences {
  public:
    // Implicit: whoever holds the store hands it over as this view.
    SearchPreferences(const PreferenceStore& store)  // NOLINT(google-explicit-constructor)
        : store_(store) {}

    NormaliseOptions normalise() const;
    // "ShowAvailSongsOnly": unavailable records are left out of the rows.
    bool availableOnly() const;
    // "UseLibraryWizard": the letter buttons filter nothing.
    bool lettersOff() const;

  private:
    const PreferenceStore& store_;
};

}  // namespace sonara
