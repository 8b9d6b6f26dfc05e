#include "gui/dialogs/settings/PreferencesDialogs.h"

#include "audio/engine/PlayerHost.h"
#include "core/app/Prompter.h"
#include "core/metadata/GenrePicker.h"
#include "core/settings/PreferenceStore.h"
#include "gui/dialogs/settings/PreferenceEffects.h"
#include "gui/dialogs/settings/PreferencesDialog.h"
#include "gui/mainwnd/DesktopActions.h"
#include "gui/mainwnd/LibraryPane.h"
#include "gui/mainwnd/LibrarySearchDialogs.h"
#include "gui/mainwnd/MainPanes.h"
#include "gui/mainwnd/MainWindow.h"

namespace sonara::gui {

namespace {

// The audio component lists at most this many devices.
constexpr int kMaxDevices = 20;

}  // namespace

bool PreferencesDialogs::run(Command command) {
    if (command != Command::Preferences) {
        return false;
    }
    open();
    return true;
}

void PreferencesDialogs::open() {
    MainServices& services = window_.services();
    PreferencesSetup setup;
    if (services.desktop != nullptr) {
        setup.outsidePlayer = services.desktop->outsidePlayerInfo();
    }
    audio::CMMAudioPlayerX& player = services.player.player();
    for (int i = 0; i < kMaxDevices; ++i) {
        std::string name = player.deviceName(i);
        if (name.empty()) {
            break;
        }
        setup.devices.push_back(std::move(name));
    }
    setup.currentDevice = player.deviceId();
    setup.pickGenres = [this](const std::string& flags) -> std::optional<std::string> {
        GenrePickerSettings settings;
        settings.multiple = true;
        settings.flagsMode = true;
        settings.firstLetter = "*";
        settings.flags = flags;
        GenrePicker picker(std::move(settings));
        if (!window_.panes().library()->dialogs().pickGenres(picker)) {
            return std::nullopt;
        }
        return picker.flagsText();
    };

    PreferencesDialog dialog(services.skin, services.prompter, std::move(setup), &window_);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    PreferenceStore& prefs = services.skin.prefs;
    const Preferences before = prefs.values();
    dialog.storeInto(prefs.values());
    if (const Status written = prefs.writeOutputDevice(); !written) {
        services.prompter.message(written.error(), Icon::Exclamation);
    }
    applyPreferenceEffects(window_, preferenceEffects(before, prefs.values()), before);
    if (const Status saved = prefs.saveAll(); !saved) {
        services.prompter.message(saved.error(), Icon::Exclamation);
    }
}

}  // namespace sonara::gui
