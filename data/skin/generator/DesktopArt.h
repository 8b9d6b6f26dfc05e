#pragma once

#include <QImage>
#include <array>

#include "Palette.h"

// The pictures the desktop shows for the program, in the default skin's
// colours: the notification-area icon's sixteen animation frames (frame 0,
// the still mark, is what shows while nothing plays) and the application
// icon at the freedesktop icon theme's sizes.
namespace sonara::skingen {

inline constexpr int kTrayFrames = 16;
inline constexpr std::array<int, 4> kTraySizes = {16, 22, 24, 32};
inline constexpr std::array<int, 8> kIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

QImage trayFrame(const Palette& palette, int size, int frame);
QImage applicationIcon(const Palette& palette, int size);

}  // namespace sonara::skingen
