#pragma once

#include <cstdint>
#include <string>

namespace sonara::platform {

// Whether a USB device is still plugged in at the bus and address it had,
// read from sysfs (`sysRoot`/bus/usb/devices/*/busnum and devnum). Unlike
// asking the USB stack, this sends nothing to any device, so it is safe on a
// device in a failed state. No sysfs USB tree means no device.
bool usbDevicePresent(std::uint32_t bus, std::uint32_t address,
                      const std::string& sysRoot = "/sys");

}  // namespace sonara::platform
