#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/tools/duplicates/DuplicateFinder.h"
#include "core/tools/duplicates/DuplicatePreferences.h"

namespace sonara {

class Progress;
class Prompter;
struct Preferences;

// The holding folder's name for a copy of `fileName`: the name itself when
// free, else name + "(" + n + ")" + extension for the first free n from 0.
std::string freeHoldingName(const std::string& folder, const std::string& fileName);

struct DeletionResult {
    bool asked = false;  // the user answered Yes
    int deleted = 0;
    int copied = 0;      // copies kept in the holding folder
    int failed = 0;      // messages 154 or 2000 shown
    int skipped = 0;     // vanished files
    int lastCopies = 0;  // kept: no other copy of the name was left
};

// Asks "Are you sure you want to delete the checked items?"; on Yes deletes
// the marked entries in order. A read-only file gets 154 and stays. With
// "CopyDelFiles" each file is first copied into "CopyDelFilesToFolder"
// (created when missing); a failed copy gets 2000 and the file stays. A file
// is deleted only while another copy of its name is still on disk. Library
// records are not touched: the copy that stays keeps their name alive.
DeletionResult deleteMarked(const std::vector<DuplicateEntry>& entries,
                            const DuplicateOptions& options, Prompter& prompter,
                            Progress* progress);
// The same with the options as the preference values hold them.
DeletionResult deleteMarked(const std::vector<DuplicateEntry>& entries, const Preferences& prefs,
                            Prompter& prompter, Progress* progress);

}  // namespace sonara
