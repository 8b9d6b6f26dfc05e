#include "core/mainwnd/DialogNames.h"

#include <array>

namespace sonara {

namespace {

// The duplicate finder's menu item opens a menu; the picture takes its first
// choice, as a user would.
constexpr std::array kDialogs{
    NamedDialog{"preferences", Command::Preferences},
    NamedDialog{"wizard", Command::SetupWizard},
    NamedDialog{"sources", Command::Sources},
    NamedDialog{"media", Command::RemovableMedia},
    NamedDialog{"dupes", Command::DuplicatesInSources},
    NamedDialog{"rename", Command::RenameFromTags},
    NamedDialog{"report", Command::Report},
    NamedDialog{"backup", Command::Backup},
    NamedDialog{"restore", Command::Restore},
    NamedDialog{"top100", Command::Top100},
    NamedDialog{"towav", Command::ConvertLibraryToWav, true},
    NamedDialog{"record", Command::EditLibraryRecord, true},
    NamedDialog{"tag", Command::EditTagInfo, true},
    NamedDialog{"genre", Command::AssignGenre, true},
    NamedDialog{"transfer", Command::TransferLibraryToPortable, true},
    NamedDialog{"volume", Command::Volume},
    NamedDialog{"about", Command::About},
};

}  // namespace

std::optional<NamedDialog> namedDialog(std::string_view name) {
    for (const NamedDialog& dialog : kDialogs) {
        if (dialog.name == name) {
            return dialog;
        }
    }
    return std::nullopt;
}

std::string dialogNameList() {
    std::string names;
    for (const NamedDialog& dialog : kDialogs) {
        if (!names.empty()) {
            names += ", ";
        }
        names += dialog.name;
    }
    return names;
}

std::span<const NamedDialog> namedDialogs() {
    return kDialogs;
}

}  // namespace sonara
