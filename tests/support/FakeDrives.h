#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/library/Drives.h"

namespace sonara::testing {

// Drives from a table of mount points: the longest that is a prefix of a
// path decides its kind. Paths on no listed mount are Unknown.
class FakeDrives final : public Drives {
  public:
    // `mountPoint` ends with "/".
    void mount(std::string mountPoint, DriveKind kind, std::string label = {}) {
        drives_.push_back(MountedDrive{std::move(mountPoint), "", "", std::move(label), kind, ""});
    }

    DriveKind kindOf(const std::string& path) const override {
        const MountedDrive* drive = holding(path);
        return drive ? drive->kind : DriveKind::Unknown;
    }
    std::string labelOf(const std::string& path) const override {
        const MountedDrive* drive = holding(path);
        return drive ? drive->label : "";
    }
    std::vector<MountedDrive> drives() const override { return drives_; }
    void refresh() override { ++refreshes; }

    int refreshes = 0;

  private:
    const MountedDrive* holding(const std::string& path) const {
        const MountedDrive* best = nullptr;
        const std::string slashed = path.empty() || path.back() == '/' ? path : path + "/";
        for (const MountedDrive& drive : drives_) {
            if (slashed.compare(0, drive.mountPoint.size(), drive.mountPoint) == 0 &&
                (best == nullptr || drive.mountPoint.size() > best->mountPoint.size())) {
                best = &drive;
            }
        }
        return best;
    }

    std::vector<MountedDrive> drives_;
};

}  // namespace sonara::testing
