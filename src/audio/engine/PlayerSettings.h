#pragma once

#include "core/io/Result.h"

namespace sonara {
class PreferenceStore;
}

namespace sonara::audio {

class PlayerHost;

// The preferences the player host applies, as values.
struct PlayerSettings {
    int streamVolume = 0;  // "StreamVolumeMMTools"
    int balance = 0;       // "BalanceMMTools": 0..65536, centred at 32767
    int bufferSizeK = 0;   // "PlayerBufferSizeK"; below 32 means 32
    int visPriority = 0;   // "VisPriority"
};

PlayerSettings playerSettings(const PreferenceStore& prefs);

// Once, before anything plays: "WaveoutDeviceID", or when it is unset the
// host's first choice, which is written back. Both players then use it. The
// failure is the write-back's.
Status chooseOutputDevice(PlayerHost& host, PreferenceStore& prefs);

}  // namespace sonara::audio
