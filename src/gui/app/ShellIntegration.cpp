#include "gui/app/ShellIntegration.h"

#include <QtGlobal>

#include "core/settings/Preferences.h"

namespace sonara::gui {

ShellIntegration::ShellIntegration(const std::string& dataFolder, Prompter& prompter)
    : associations_(ShellPaths::fromEnvironment(dataFolder)),
      outsidePlayer_(associations_, prompter, launcher_) {}

void ShellIntegration::applyAtStart(const Preferences& prefs) {
    if (const Status applied =
            applyAssociationsAtStart(associations_, prefs.useAsDefaultPlayer, prefs.associateMp3);
        !applied) {
        qWarning("Sonara: file associations not updated: %s", applied.error().c_str());
    }
}

Status ShellIntegration::applyPreferences(int useAsDefaultPlayerBefore, const Preferences& prefs) {
    return applyAssociationPreferences(associations_, useAsDefaultPlayerBefore,
                                       prefs.useAsDefaultPlayer, prefs.associateMp3);
}

bool ShellIntegration::playFile(const std::string& path, const Preferences& prefs) {
    return outsidePlayer_.openFile(path, prefs.playerAction);
}

ExternalPlayerLabels ShellIntegration::menuLabels(const Preferences& prefs) const {
    return outsidePlayer_.menuLabels(prefs.playerAction);
}

}  // namespace sonara::gui
