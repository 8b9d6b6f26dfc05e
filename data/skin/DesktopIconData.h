#pragma once

#include "skin/GeneratedSkinData.h"

// The desktop's pictures of the program as PNG bytes, written by
// sonara-skin-generator at build time beside the bundled skins.
namespace sonara::skin::generated {

inline constexpr int kTrayFrameCount = 16;
// Each tray frame is drawn at these sizes, so it stays sharp in small panels.
inline constexpr int kTrayIconSizes[] = {16, 22, 24, 32};
inline constexpr int kTrayIconSizeCount = 4;
extern const Blob kTrayFrames[kTrayFrameCount][kTrayIconSizeCount];

inline constexpr int kApplicationIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
inline constexpr int kApplicationIconSizeCount = 8;
extern const Blob kApplicationIcon[kApplicationIconSizeCount];

}  // namespace sonara::skin::generated
