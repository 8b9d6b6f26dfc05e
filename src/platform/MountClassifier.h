#pragma once

#include <optional>
#include <string_view>

#include "core/library/Drives.h"
#include "platform/MountInfo.h"
#include "platform/SysBlockDevices.h"

namespace sonara::platform {

struct MountClass {
    DriveKind kind = DriveKind::Unknown;  // Unknown for pseudo filesystems
    bool listed = false;                  // offered as a drive that can hold music
};

// What a mount is, from its filesystem type, where it is mounted and the
// block device under it (when sysfs knows one). In order:
// - pseudo filesystems (proc, cgroup, autofs, squashfs images, overlay
//   layers, desktop fuse helpers, ...) are Unknown and never listed;
// - network types are Network; iso9660, udf and sr devices are CdRom;
//   tmpfs, ramfs and ram/zram devices are RamDisk;
// - a device whose disk is removable, a phone mounted through MTP, or a
//   mount below /media or /run/media (where desktops mount what is
//   plugged in), is Removable;
// - any other filesystem is Fixed.
// Mounts in the system's own places (/proc, /sys, /dev, /run but not
// /run/media, /boot, /efi, /snap, container storage) keep their kind but
// are not listed; nor are tmpfs and ramfs at /tmp and /var/tmp, which are
// scratch space. A RAM disk mounted anywhere else was made by the user and
// is listed.
MountClass classifyMount(const MountEntry& mount, const std::optional<BlockDevice>& device);

bool isPseudoFilesystem(std::string_view fsType);
bool isNetworkFilesystem(std::string_view fsType);

// Whether `path` is `folder` or lies below it, on whole path components
// (both absolute, without trailing "/", except the root "/").
bool isWithinFolder(std::string_view path, std::string_view folder);

}  // namespace sonara::platform
