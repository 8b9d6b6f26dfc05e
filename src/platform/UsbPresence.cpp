#include "platform/UsbPresence.h"

#include <filesystem>
#include <fstream>

namespace sonara::platform {

namespace {

bool numberIn(const std::filesystem::path& file, std::uint32_t expected) {
    std::ifstream in(file);
    std::uint32_t number = 0;
    return static_cast<bool>(in >> number) && number == expected;
}

}  // namespace

bool usbDevicePresent(std::uint32_t bus, std::uint32_t address, const std::string& sysRoot) {
    std::error_code error;
    std::filesystem::directory_iterator devices(
        std::filesystem::path(sysRoot) / "bus" / "usb" / "devices", error);
    if (error) {
        return false;
    }
    for (; devices != std::filesystem::directory_iterator(); devices.increment(error)) {
        const std::filesystem::path& device = devices->path();
        if (numberIn(device / "busnum", bus) && numberIn(device / "devnum", address)) {
            return true;
        }
    }
    return false;
}

}  // namespace sonara::platform
