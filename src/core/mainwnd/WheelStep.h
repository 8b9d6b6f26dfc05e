#pragma once

namespace sonara {

// Where a slider goes after the mouse wheel turned `notches` notches
// (positive away from the user, which raises it), each notch moving it by
// `shareOfRange` of maximum − minimum, limited to the range. A notch moves a
// slider with any range at least one step, so the wheel never goes dead on a
// short song.
int sliderAfterWheel(int value, int minimum, int maximum, int notches, double shareOfRange);

// The shares of a notch: the seek bar while the middle button is held, the
// volume slider otherwise.
inline constexpr double kSeekWheelShare = 0.025;
inline constexpr double kVolumeWheelShare = 0.05;

}  // namespace sonara
