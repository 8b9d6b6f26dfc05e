#pragma once

#include <map>
#include <string>
#include <string_view>

namespace sonara::platform {

// Undoes udev's "\x20" escapes in a /dev/disk/by-label name; a backslash
// not followed by "x" and two hex digits stands for itself.
std::string decodeUdevName(std::string_view name);

// The volume labels udev publishes as links in <dev>/disk/by-label, by the
// kernel name of the device each link leads to. Read once, when made.
class VolumeLabels {
  public:
    explicit VolumeLabels(const std::string& devRoot);

    // The label of a device ("sdb1"), or "" when it has none. Labels that
    // are not UTF-8 (an old FAT label) are taken as Windows-1252.
    std::string labelOf(const std::string& deviceName) const;

  private:
    std::map<std::string, std::string> labels_;
};

}  // namespace sonara::platform
