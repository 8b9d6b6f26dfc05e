#pragma once

#include <string>
#include <vector>

#include "core/io/Result.h"
#include "core/library/Drives.h"

namespace sonara::platform {

// The drives of a Linux system: the mounts of /proc/self/mountinfo, their
// kinds from the filesystem type and sysfs, their labels from
// /dev/disk/by-label. Made on the user-interface thread and used there:
// refresh() must not run beside a query.
class LinuxDrives : public Drives {
  public:
    // What it reads; tests point these into a fake tree.
    struct Paths {
        std::string mountInfo = "/proc/self/mountinfo";
        std::string sysRoot = "/sys";
        std::string devRoot = "/dev";
        // Where the paths asked about are looked up to follow symbolic
        // links; "/" on a real system.
        std::string fileRoot = "/";

        // The same files below a folder that stands for "/".
        static Paths under(const std::string& systemRoot);
    };

    LinuxDrives();
    explicit LinuxDrives(Paths paths);

    // The kind of the mount that holds `path` after symbolic links on the
    // way are followed (not into network shares or automounts, whose server
    // may not answer). Relative or empty paths are Unknown.
    DriveKind kindOf(const std::string& path) const override;
    std::string labelOf(const std::string& path) const override;
    // Mount points end with "/"; a mount hidden by another mounted over it
    // is left out.
    std::vector<MountedDrive> drives() const override;

    // Reads the mount table, sysfs and the labels again. When the table
    // cannot be read every query answers as for a path on no mount.
    void refresh() override;
    // How the last read of the mount table went.
    const Status& tableStatus() const { return tableStatus_; }

  private:
    struct Mount {
        MountedDrive drive;  // mountPoint without the trailing "/" here
        bool listed = false;
    };

    const Mount* mountHolding(const std::string& absolutePath) const;
    std::string resolvedPath(const std::string& path) const;
    std::string kernelNameOf(const std::string& source) const;

    Paths paths_;
    std::vector<Mount> mounts_;
    Status tableStatus_ = Status::success();
};

}  // namespace sonara::platform
