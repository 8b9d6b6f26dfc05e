#include "platform/MountClassifier.h"

#include <algorithm>
#include <iterator>

namespace sonara::platform {

namespace {

// Kernel interfaces, system images and helpers of the desktop and of
// containers: none of them is storage the user keeps music on.
constexpr std::string_view kPseudoTypes[] = {
    "anon_inodefs",
    "apparmorfs",
    "autofs",
    "bdev",
    "binder",
    "binfmt_misc",
    "bpf",
    "cgroup",
    "cgroup2",
    "configfs",
    "cpuset",
    "debugfs",
    "devfs",
    "devpts",
    "devtmpfs",
    "efivarfs",
    "erofs",
    "functionfs",
    "fuse.gvfs-fuse-daemon",
    "fuse.gvfsd-fuse",
    "fuse.kio-fuse",
    "fuse.lxcfs",
    "fuse.portal",
    "fuse.revokefs-fuse",
    "fuse.snapfuse",
    "fuse.squashfuse",
    "fuse.squashfuse_ll",
    "fuse.xdg-document-portal",
    "fusectl",
    "gadgetfs",
    "hugetlbfs",
    "ipathfs",
    "mqueue",
    "nfsd",
    "nsfs",
    "oprofilefs",
    "pipefs",
    "proc",
    "pstore",
    "resctrl",
    "rootfs",
    "rpc_pipefs",
    "securityfs",
    "selinuxfs",
    "smackfs",
    "sockfs",
    "squashfs",
    "sysfs",
    "tracefs",
    "usbfs",
};

// Shares served by another machine (or by the host of a virtual machine).
constexpr std::string_view kNetworkTypes[] = {
    "9p",
    "afpfs",
    "afs",
    "beegfs",
    "ceph",
    "cifs",
    "coda",
    "davfs",
    "fuse.afpfs",
    "fuse.blobfuse",
    "fuse.blobfuse2",
    "fuse.ceph-fuse",
    "fuse.curlftpfs",
    "fuse.davfs2",
    "fuse.gcsfuse",
    "fuse.glusterfs",
    "fuse.goofys",
    "fuse.google-drive-ocamlfuse",
    "fuse.httpfs",
    "fuse.juicefs",
    "fuse.onedriver",
    "fuse.rclone",
    "fuse.s3fs",
    "fuse.smbnetfs",
    "fuse.sshfs",
    "fuse.vmhgfs-fuse",
    "glusterfs",
    "gpfs",
    "lustre",
    "ncp",
    "ncpfs",
    "nfs",
    "nfs4",
    "orangefs",
    "smb3",
    "smbfs",
    "sshfs",
    "vboxsf",
    "virtiofs",
    "vmhgfs",
};

// Phones and players mounted through MTP: media that come and go.
constexpr std::string_view kRemovableTypes[] = {
    "fuse.aft-mtp-mount", "fuse.go-mtpfs", "fuse.jmtpfs", "fuse.mtpfs", "fuse.simple-mtpfs",
};

static_assert(std::ranges::is_sorted(kRemovableTypes), "kept sorted for the binary search");
static_assert(std::ranges::is_sorted(kPseudoTypes), "kept sorted for the binary search");
static_assert(std::ranges::is_sorted(kNetworkTypes), "kept sorted for the binary search");

template <size_t N>
bool contains(const std::string_view (&sorted)[N], std::string_view type) {
    return std::binary_search(std::begin(sorted), std::end(sorted), type);
}

// "sr0", "ram3": the prefix followed by one or more digits.
bool isNumbered(std::string_view name, std::string_view prefix) {
    if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) {
        return false;
    }
    return std::all_of(name.begin() + long(prefix.size()), name.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

bool isUnder(std::string_view path, std::initializer_list<std::string_view> folders) {
    return std::any_of(folders.begin(), folders.end(),
                       [&](std::string_view folder) { return isWithinFolder(path, folder); });
}

bool isRemovableMediaPlace(std::string_view mountPoint) {
    return isUnder(mountPoint, {"/media", "/run/media"});
}

bool isSystemPlace(std::string_view mountPoint) {
    if (isRemovableMediaPlace(mountPoint)) {
        return false;
    }
    return isUnder(mountPoint, {"/proc", "/sys", "/dev", "/run", "/boot", "/efi", "/snap",
                                "/var/lib/snapd", "/var/lib/docker", "/var/lib/containers"});
}

DriveKind kindOf(const MountEntry& mount, const std::optional<BlockDevice>& device) {
    const std::string_view type = mount.fsType;
    const std::string_view name = device ? std::string_view(device->name) : std::string_view();
    if (isNetworkFilesystem(type)) {
        return DriveKind::Network;
    }
    if (type == "iso9660" || type == "udf" || isNumbered(name, "sr")) {
        return DriveKind::CdRom;
    }
    if (type == "tmpfs" || type == "ramfs" || isNumbered(name, "ram") || isNumbered(name, "zram")) {
        return DriveKind::RamDisk;
    }
    if ((device && device->removable) || contains(kRemovableTypes, type) ||
        isRemovableMediaPlace(mount.mountPoint)) {
        return DriveKind::Removable;
    }
    return DriveKind::Fixed;
}

}  // namespace

bool isPseudoFilesystem(std::string_view fsType) {
    return contains(kPseudoTypes, fsType);
}

bool isNetworkFilesystem(std::string_view fsType) {
    return contains(kNetworkTypes, fsType);
}

bool isWithinFolder(std::string_view path, std::string_view folder) {
    if (folder == "/") {
        return !path.empty() && path[0] == '/';
    }
    return path.size() >= folder.size() && path.substr(0, folder.size()) == folder &&
           (path.size() == folder.size() || path[folder.size()] == '/');
}

MountClass classifyMount(const MountEntry& mount, const std::optional<BlockDevice>& device) {
    const std::string_view type = mount.fsType;
    // Union mounts make containers' root folders; anywhere else they are
    // the layers a container engine keeps for itself.
    const bool unionMount = type == "overlay" || type == "aufs";
    if (isPseudoFilesystem(type) || (unionMount && mount.mountPoint != "/")) {
        return {};
    }
    MountClass result;
    result.kind = kindOf(mount, device);
    result.listed = !isSystemPlace(mount.mountPoint);
    if (result.listed && (type == "tmpfs" || type == "ramfs")) {
        result.listed = !isUnder(mount.mountPoint, {"/tmp", "/var/tmp"});
    }
    return result;
}

}  // namespace sonara::platform
