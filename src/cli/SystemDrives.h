#pragma once

#include "platform/LinuxDrives.h"

namespace sonara::cli {

// What sonara-cli reads to know the machine's drives. When the environment
// variable SONARA_SYSTEM_ROOT names a folder, that folder stands for "/":
// its proc/self/mountinfo, sys/ and dev/ are read instead of the real ones
// (tests build a made-up machine there).
platform::LinuxDrives::Paths systemDrivePaths();

}  // namespace sonara::cli
