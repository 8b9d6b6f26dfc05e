#pragma once

namespace sonara::audio {

// The result of opening or playing a file, with the values callers store.
enum class PlayOutcome : int {
    OtherFailure = 0,
    DeviceFailure = 1,
    ComponentFailure = 2,
    Ok = 3,
};

}  // namespace sonara::audio
