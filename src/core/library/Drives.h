#pragma once

#include <string>
#include <vector>

namespace sonara {

// The kind of storage a path lies on, from the mount that holds it.
enum class DriveKind { Unknown, Removable, Fixed, Network, CdRom, RamDisk };

// The scan-mask bit of a kind; a source with a medium name has bit 32
// whatever its drive. Unknown has 0, so such sources take part in every scan.
constexpr int kMediaNameBit = 32;
constexpr int scanBit(DriveKind kind) {
    switch (kind) {
        case DriveKind::Removable:
            return 1;
        case DriveKind::Fixed:
            return 2;
        case DriveKind::Network:
            return 4;
        case DriveKind::CdRom:
            return 8;
        case DriveKind::RamDisk:
            return 16;
        case DriveKind::Unknown:
            break;
    }
    return 0;
}
// Whether a source of this bit takes part in a scan with `mask`.
constexpr bool inScanMask(int bit, int mask) {
    return (bit & mask) == bit;
}

// The masks scans use.
constexpr int kCheckAllMask = 63;
constexpr int kCheckRemovableOnlyMask = 41;
constexpr int kUpdateLibraryMask = 6;

// A mounted filesystem that can hold music (pseudo filesystems never are).
struct MountedDrive {
    std::string mountPoint;  // ends with "/"
    std::string device;      // e.g. "/dev/sdb1"; empty for network shares
    std::string fsType;
    std::string label;  // volume label; empty when it has none
    DriveKind kind = DriveKind::Unknown;
    std::string source;  // what was mounted: the device, "server:/export", "//host/share"
};

// What the library asks of the system's drives. The platform layer answers
// from the mount table; tests answer from fixtures.
class Drives {
  public:
    virtual ~Drives() = default;

    // The kind of the mount that holds `path` (the longest mount point that
    // is a prefix of it); Unknown when none does.
    virtual DriveKind kindOf(const std::string& path) const = 0;
    // The volume label of the mount that holds `path`, or "".
    virtual std::string labelOf(const std::string& path) const = 0;
    // Every mounted filesystem that can hold music, in mount-table order.
    virtual std::vector<MountedDrive> drives() const = 0;
    // Takes a fresh look at the system, so media put in or taken out since
    // are seen; the queries above answer from the last look.
    virtual void refresh() {}
};

// Removable or CD-ROM.
inline bool isRemovable(const Drives& drives, const std::string& path) {
    const DriveKind kind = drives.kindOf(path);
    return kind == DriveKind::Removable || kind == DriveKind::CdRom;
}

}  // namespace sonara
