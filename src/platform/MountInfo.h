#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/io/Result.h"

namespace sonara::platform {

// One line of /proc/self/mountinfo, with the kernel's octal escapes
// ("\040" for a blank) undone.
struct MountEntry {
    int id = 0;
    int parentId = 0;
    unsigned major = 0;  // 0 for filesystems without a block device (tmpfs, nfs, btrfs)
    unsigned minor = 0;
    std::string root;        // the folder of the filesystem seen here; "/" unless a bind mount
    std::string mountPoint;  // absolute, without a trailing "/" (except the root itself)
    std::string fsType;      // "ext4", "fuse.sshfs"
    std::string source;      // "/dev/sdb1", "server:/export", "tmpfs"
};

// Undoes "\ooo" octal escapes; a backslash not followed by three octal
// digits stands for itself.
std::string unescapeMountField(std::string_view field);

// Every well-formed line in table order. A line that is cut short, lacks
// the " - " separator, has non-numeric ids or a relative mount point is
// skipped: one damaged line never hides the others.
std::vector<MountEntry> parseMountInfo(std::string_view text);

// Reads and parses a mountinfo file (a /proc file reports no size, so it is
// read to its end, at most 64 MiB).
Result<std::vector<MountEntry>> readMountInfo(const std::string& path);

// The mounts a path lookup can reach, in table order: a mount goes when a
// later one is mounted over it, and with it every mount below it.
std::vector<MountEntry> visibleMounts(const std::vector<MountEntry>& mounts);

}  // namespace sonara::platform
