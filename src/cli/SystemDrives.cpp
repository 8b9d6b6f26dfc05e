#include "cli/SystemDrives.h"

#include <cstdlib>

namespace sonara::cli {

platform::LinuxDrives::Paths systemDrivePaths() {
    const char* root = std::getenv("SONARA_SYSTEM_ROOT");
    if (root == nullptr || root[0] == '\0') {
        return {};
    }
    return platform::LinuxDrives::Paths::under(root);
}

}  // namespace sonara::cli
