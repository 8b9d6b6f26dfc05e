#pragma once

#include <optional>
#include <string>

namespace sonara::platform {

// A block device as sysfs describes it.
struct BlockDevice {
    std::string name;  // the kernel's name: "sdb1", "sr0", "dm-0", "mmcblk0p1"
    // The disk says its medium can be taken out; for a partition this is
    // its disk's flag, for a mapped device (LUKS, LVM) that of a disk below it.
    bool removable = false;
};

// Looks block devices up in a sysfs tree (normally /sys). Each call reads
// the tree afresh; nothing is kept.
class SysBlockDevices {
  public:
    explicit SysBlockDevices(std::string sysRoot);

    // By device number, through <sys>/dev/block/MAJOR:MINOR.
    std::optional<BlockDevice> byNumber(unsigned major, unsigned minor) const;
    // By kernel name, through <sys>/class/block/NAME.
    std::optional<BlockDevice> byName(const std::string& name) const;

  private:
    std::optional<BlockDevice> describe(const std::string& link) const;

    std::string sysRoot_;
};

}  // namespace sonara::platform
