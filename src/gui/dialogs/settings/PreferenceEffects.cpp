#include "gui/dialogs/settings/PreferenceEffects.h"

#include "audio/engine/PlayerHost.h"
#include "core/app/Prompter.h"
#include "core/playlist/CurrentPlayList.h"
#include "core/settings/PreferenceStore.h"
#include "gui/mainwnd/DesktopActions.h"
#include "gui/mainwnd/LibraryListModel.h"
#include "gui/mainwnd/LibraryPane.h"
#include "gui/mainwnd/MainPanes.h"
#include "gui/mainwnd/MainWindow.h"

namespace sonara::gui {

void applyPreferenceEffects(MainWindow& window, const std::vector<PreferenceEffect>& effects,
                            const Preferences& before) {
    MainServices& services = window.services();
    const Preferences& now = services.skin.prefs.values();
    services.playList.applyPreferences(services.skin.prefs);
    bool laidOut = false;
    const auto layOutOnce = [&] {
        if (!std::exchange(laidOut, true)) {
            window.relayout();
        }
    };
    for (const PreferenceEffect effect : effects) {
        switch (effect) {
            case PreferenceEffect::RandomGenre:
                services.playList.sequence().rebuildRandomPool();
                break;
            case PreferenceEffect::BufferSize:
                services.player.applyBufferSize(now.playerBufferSizeK);
                break;
            case PreferenceEffect::OutputDevice:
                services.player.applyOutputDevice(now.waveoutDeviceId);
                break;
            case PreferenceEffect::Visualisations:
                services.player.applyVisPriority(now.visPriority);
                layOutOnce();
                break;
            case PreferenceEffect::AlwaysOnTop:
                layOutOnce();
                break;
            case PreferenceEffect::Titles:
                if (LibraryPane* library = window.panes().library()) {
                    library->model().refresh();
                }
                break;
            case PreferenceEffect::Associations:
                if (DesktopActions* desktop = services.desktop) {
                    if (const Status applied =
                            desktop->applyAssociationPreferences(before.useAsDefaultPlayer);
                        !applied) {
                        services.prompter.message(applied.error(), Icon::Exclamation);
                    }
                }
                break;
            case PreferenceEffect::PlayerChoice:
                window.applyPlayerChoice();
                break;
        }
    }
}

}  // namespace sonara::gui
