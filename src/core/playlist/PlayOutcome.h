#pragma once

namespace sonara {

// The result of opening or playing a file, with the values callers store.
// It decides whether the play list skips to the next entry.
enum class PlayOutcome : int {
    OtherFailure = 0,
    DeviceFailure = 1,
    ComponentFailure = 2,
    Ok = 3,
};

}  // namespace sonara
