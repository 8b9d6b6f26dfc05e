#include "audio/engine/PlayerSettings.h"

#include "audio/engine/PlayerHost.h"
#include "core/settings/PreferenceStore.h"

namespace sonara::audio {

PlayerSettings playerSettings(const PreferenceStore& prefs) {
    const Preferences& values = prefs.values();
    PlayerSettings settings;
    settings.streamVolume = values.streamVolumeMMTools;
    settings.balance = values.balanceMMTools;
    settings.bufferSizeK = values.playerBufferSizeK;
    settings.visPriority = values.visPriority;
    return settings;
}

Status chooseOutputDevice(PlayerHost& host, PreferenceStore& prefs) {
    int device = prefs.readOutputDevice(-1);
    Status written = Status::success();
    if (device == -1) {
        device = host.firstUsableDevice();
        prefs.values().waveoutDeviceId = device;
        written = prefs.writeOutputDevice();
    }
    host.useOutputDevice(device);
    return written;
}

}  // namespace sonara::audio
