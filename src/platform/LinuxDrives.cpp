#include "platform/LinuxDrives.h"

#include <sys/stat.h>
#include <filesystem>
#include <optional>
#include <string_view>

#include "platform/MountClassifier.h"
#include "platform/MountInfo.h"
#include "platform/SysBlockDevices.h"
#include "platform/VolumeLabels.h"

namespace sonara::platform {

namespace fs = std::filesystem;

namespace {

// As many links as the kernel follows in one lookup.
constexpr int kMaxLinks = 40;

bool isDevicePath(std::string_view source) {
    return source.size() > 5 && source.substr(0, 5) == "/dev/";
}

// Pushes the components of `path` so that the first is taken next.
void pushComponents(std::vector<std::string>& pending, std::string_view path) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start < path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string_view::npos) {
            end = path.size();
        }
        if (end > start) {
            parts.emplace_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    pending.insert(pending.end(), parts.rbegin(), parts.rend());
}

}  // namespace

LinuxDrives::Paths LinuxDrives::Paths::under(const std::string& systemRoot) {
    std::string root = systemRoot;
    while (root.size() > 1 && root.back() == '/') {
        root.pop_back();
    }
    if (root == "/") {
        return Paths{};
    }
    return Paths{root + "/proc/self/mountinfo", root + "/sys", root + "/dev", root};
}

LinuxDrives::LinuxDrives() : LinuxDrives(Paths{}) {}

LinuxDrives::LinuxDrives(Paths paths) : paths_(std::move(paths)) {
    refresh();
}

void LinuxDrives::refresh() {
    mounts_.clear();
    const Result<std::vector<MountEntry>> table = readMountInfo(paths_.mountInfo);
    if (!table) {
        tableStatus_ = Status::failure(table.error());
        return;
    }
    tableStatus_ = Status::success();
    const SysBlockDevices sysfs(paths_.sysRoot);
    const VolumeLabels labels(paths_.devRoot);
    for (const MountEntry& entry : visibleMounts(table.value())) {
        std::optional<BlockDevice> device;
        const bool mayHaveDevice =
            !isPseudoFilesystem(entry.fsType) && !isNetworkFilesystem(entry.fsType);
        if (mayHaveDevice && entry.major != 0) {
            device = sysfs.byNumber(entry.major, entry.minor);
        }
        // btrfs and others report an anonymous device number; their source
        // still names the device.
        if (mayHaveDevice && !device && isDevicePath(entry.source)) {
            device = sysfs.byName(kernelNameOf(entry.source));
        }
        const MountClass what = classifyMount(entry, device);
        Mount mount;
        mount.listed = what.listed;
        mount.drive.mountPoint = entry.mountPoint;
        mount.drive.fsType = entry.fsType;
        mount.drive.source = entry.source;
        mount.drive.kind = what.kind;
        if (mayHaveDevice && isDevicePath(entry.source)) {
            mount.drive.device = entry.source;
        } else if (device) {
            mount.drive.device = "/dev/" + device->name;
        }
        if (device) {
            mount.drive.label = labels.labelOf(device->name);
        } else if (mayHaveDevice && isDevicePath(entry.source)) {
            mount.drive.label = labels.labelOf(kernelNameOf(entry.source));
        }
        mounts_.push_back(std::move(mount));
    }
}

DriveKind LinuxDrives::kindOf(const std::string& path) const {
    if (path.empty() || path[0] != '/') {
        return DriveKind::Unknown;
    }
    const Mount* mount = mountHolding(resolvedPath(path));
    return mount ? mount->drive.kind : DriveKind::Unknown;
}

std::string LinuxDrives::labelOf(const std::string& path) const {
    if (path.empty() || path[0] != '/') {
        return {};
    }
    const Mount* mount = mountHolding(resolvedPath(path));
    return mount ? mount->drive.label : std::string();
}

std::vector<MountedDrive> LinuxDrives::drives() const {
    std::vector<MountedDrive> result;
    for (const Mount& mount : mounts_) {
        if (!mount.listed) {
            continue;
        }
        result.push_back(mount.drive);
        if (result.back().mountPoint != "/") {
            result.back().mountPoint += '/';
        }
    }
    return result;
}

const LinuxDrives::Mount* LinuxDrives::mountHolding(const std::string& absolutePath) const {
    const Mount* best = nullptr;
    for (const Mount& mount : mounts_) {
        // ">=": of two mounts on one point the later is the one on top.
        if (isWithinFolder(absolutePath, mount.drive.mountPoint) &&
            (!best || mount.drive.mountPoint.size() >= best->drive.mountPoint.size())) {
            best = &mount;
        }
    }
    return best;
}

std::string LinuxDrives::resolvedPath(const std::string& path) const {
    std::vector<std::string> pending;  // components still to walk, the next one last
    pushComponents(pending, path);
    const std::string fileRoot = paths_.fileRoot == "/" ? std::string() : paths_.fileRoot;
    std::string resolved;  // "" stands for "/"
    bool following = true;
    int links = 0;
    while (!pending.empty()) {
        const std::string part = std::move(pending.back());
        pending.pop_back();
        if (part == ".") {
            continue;
        }
        if (part == "..") {
            resolved.erase(resolved.rfind('/') == std::string::npos ? 0 : resolved.rfind('/'));
            continue;
        }
        std::string candidate = resolved + "/" + part;
        if (following) {
            // Looking into a share whose server is gone, or at an automount
            // point, can block for minutes: the rest is taken as written.
            const Mount* mount = mountHolding(candidate);
            following = !mount || (mount->drive.kind != DriveKind::Network &&
                                   mount->drive.fsType != "autofs");
        }
        struct stat status {};
        if (following && ::lstat((fileRoot + candidate).c_str(), &status) != 0) {
            following = false;  // not there: the rest cannot be a link either
        }
        if (following && S_ISLNK(status.st_mode)) {
            std::error_code ec;
            const std::string target = fs::read_symlink(fileRoot + candidate, ec).string();
            if (!ec && !target.empty() && ++links <= kMaxLinks) {
                if (target[0] == '/') {
                    resolved.clear();
                }
                pushComponents(pending, target);
                continue;
            }
            following = false;
        }
        resolved = std::move(candidate);
    }
    return resolved.empty() ? "/" : resolved;
}

std::string LinuxDrives::kernelNameOf(const std::string& source) const {
    // "/dev/mapper/music" and "/dev/disk/by-uuid/..." are links to the node.
    std::error_code ec;
    const fs::path node = fs::canonical(paths_.devRoot + source.substr(4), ec);
    return (ec ? fs::path(source) : node).filename().string();
}

}  // namespace sonara::platform
