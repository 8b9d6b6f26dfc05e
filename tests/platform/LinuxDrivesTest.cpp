#include <gtest/gtest.h>

#include <filesystem>

#include "platform/LinuxDrives.h"
#include "support/FakeSystem.h"

namespace sonara::platform {
namespace {

namespace fs = std::filesystem;
using testing::FakeSystem;
using testing::mountLine;

class LinuxDrivesTest : public ::testing::Test {
  protected:
    LinuxDrives drives() const { return LinuxDrives(LinuxDrives::Paths::under(system.root())); }

    std::vector<std::string> listedPoints(const LinuxDrives& d) const {
        std::vector<std::string> points;
        for (const MountedDrive& drive : d.drives()) {
            points.push_back(drive.mountPoint);
        }
        return points;
    }

    const MountedDrive* listed(const std::vector<MountedDrive>& all, const std::string& point) {
        for (const MountedDrive& drive : all) {
            if (drive.mountPoint == point) {
                return &drive;
            }
        }
        return nullptr;
    }

    FakeSystem system;
};

TEST_F(LinuxDrivesTest, EveryKindFromTypeDeviceAndPlace) {
    system.disk("sda", "8:0", false);
    system.partition("sda", "sda1", "8:1");
    system.partition("sda", "sda2", "8:2");
    system.disk("sdb", "8:16", true);
    system.partition("sdb", "sdb1", "8:17");
    system.disk("sdc", "8:32", false);
    system.partition("sdc", "sdc1", "8:33");
    system.disk("sr0", "11:0", true);
    system.disk("zram0", "252:0", false);
    system.mountTable({
        mountLine(1, 0, "8:1", "/", "ext4", "/dev/sda1"),
        mountLine(2, 1, "8:2", "/data", "xfs", "/dev/sda2"),
        mountLine(3, 1, "8:17", "/mnt/stick", "vfat", "/dev/sdb1"),
        mountLine(4, 1, "8:33", "/media/u/Backup", "ext4", "/dev/sdc1"),
        mountLine(5, 1, "8:33", "/run/media/u/Other", "ext4", "/dev/sdc1"),
        mountLine(6, 1, "11:0", "/mnt/dvd", "udf", "/dev/sr0"),
        mountLine(7, 1, "7:0", "/mnt/image", "iso9660", "/dev/loop0"),
        mountLine(8, 1, "0:50", "/mnt/nfs", "nfs", "nas:/music"),
        mountLine(9, 1, "0:51", "/mnt/smb", "cifs", "//nas/music"),
        mountLine(10, 1, "0:52", "/mnt/ssh", "fuse.sshfs", "u@host:/music"),
        mountLine(11, 1, "0:53", "/mnt/host", "9p", "hostshare"),
        mountLine(12, 1, "0:54", "/mnt/ram", "tmpfs", "tmpfs"),
        mountLine(13, 1, "0:55", "/mnt/ramfs", "ramfs", "ramfs"),
        mountLine(14, 1, "252:0", "/mnt/zram", "ext4", "/dev/zram0"),
        mountLine(15, 1, "0:56", "/mnt/nfs4", "nfs4", "nas:/other"),
        mountLine(16, 1, "0:57", "/home/u/phone", "fuse.jmtpfs", "jmtpfs"),
    });
    const LinuxDrives d = drives();
    ASSERT_TRUE(d.tableStatus().ok()) << d.tableStatus().error();
    EXPECT_EQ(d.kindOf("/home/u/a.mp3"), DriveKind::Fixed);
    EXPECT_EQ(d.kindOf("/data/a.mp3"), DriveKind::Fixed);
    EXPECT_EQ(d.kindOf("/mnt/stick/a.mp3"), DriveKind::Removable) << "the disk's flag";
    EXPECT_EQ(d.kindOf("/media/u/Backup/a.mp3"), DriveKind::Removable) << "below /media";
    EXPECT_EQ(d.kindOf("/run/media/u/Other/a.mp3"), DriveKind::Removable);
    EXPECT_EQ(d.kindOf("/mnt/dvd/a.mp3"), DriveKind::CdRom);
    EXPECT_EQ(d.kindOf("/mnt/image/a.mp3"), DriveKind::CdRom);
    EXPECT_EQ(d.kindOf("/mnt/nfs/a.mp3"), DriveKind::Network);
    EXPECT_EQ(d.kindOf("/mnt/nfs4/a.mp3"), DriveKind::Network);
    EXPECT_EQ(d.kindOf("/mnt/smb/a.mp3"), DriveKind::Network);
    EXPECT_EQ(d.kindOf("/mnt/ssh/a.mp3"), DriveKind::Network);
    EXPECT_EQ(d.kindOf("/mnt/host/a.mp3"), DriveKind::Network);
    EXPECT_EQ(d.kindOf("/mnt/ram/a.mp3"), DriveKind::RamDisk);
    EXPECT_EQ(d.kindOf("/mnt/ramfs/a.mp3"), DriveKind::RamDisk);
    EXPECT_EQ(d.kindOf("/mnt/zram/a.mp3"), DriveKind::RamDisk);
    EXPECT_EQ(d.kindOf("/home/u/phone/Music/a.mp3"), DriveKind::Removable);
    EXPECT_TRUE(isRemovable(d, "/mnt/dvd/a.mp3"));
    EXPECT_TRUE(isRemovable(d, "/mnt/stick/"));
    EXPECT_FALSE(isRemovable(d, "/mnt/nfs/a.mp3"));
    EXPECT_EQ(d.drives().size(), 16u);
}

TEST_F(LinuxDrivesTest, APartitionTakesItsDisksFlagAndAMappedDeviceTheFlagBelowIt) {
    system.disk("sda", "8:0", false);
    system.partition("sda", "sda1", "8:1");
    system.disk("sdb", "8:16", true);
    system.partition("sdb", "sdb1", "8:17");
    system.partition("sdb", "sdb2", "8:18");
    system.mapped("dm-0", "253:0", {"sdb2"});  // an encrypted partition of the stick
    system.mapped("dm-1", "253:1", {"sda1"});  // an encrypted partition of the fixed disk
    system.node("dm-0", "mapper/stick");
    system.mountTable({
        mountLine(1, 0, "8:1", "/", "ext4", "/dev/sda1"),
        mountLine(2, 1, "8:17", "/mnt/a", "exfat", "/dev/sdb1"),
        mountLine(3, 1, "253:0", "/mnt/b", "ext4", "/dev/mapper/stick"),
        mountLine(4, 1, "253:1", "/mnt/c", "ext4", "/dev/mapper/home"),
        mountLine(5, 1, "8:16", "/mnt/whole", "vfat", "/dev/sdb"),
    });
    const LinuxDrives d = drives();
    EXPECT_EQ(d.kindOf("/mnt/a/x.mp3"), DriveKind::Removable);
    EXPECT_EQ(d.kindOf("/mnt/b/x.mp3"), DriveKind::Removable);
    EXPECT_EQ(d.kindOf("/mnt/c/x.mp3"), DriveKind::Fixed);
    EXPECT_EQ(d.kindOf("/mnt/whole/x.mp3"), DriveKind::Removable);
}

TEST_F(LinuxDrivesTest, AnAnonymousDeviceNumberIsLookedUpByTheSourcesName) {
    // btrfs reports 0:N; its source still names the partition of the stick.
    system.disk("sdb", "8:16", true);
    system.partition("sdb", "sdb1", "8:17");
    system.node("sdb1", "disk/by-uuid/1234");
    system.label("Stick", "sdb1");
    system.mountTable({
        mountLine(1, 0, "0:30", "/", "btrfs", "/dev/sda2"),
        mountLine(2, 1, "0:31", "/mnt/stick", "btrfs", "/dev/disk/by-uuid/1234"),
    });
    const LinuxDrives d = drives();
    EXPECT_EQ(d.kindOf("/a.mp3"), DriveKind::Fixed) << "a device sysfs does not know is fixed";
    EXPECT_EQ(d.kindOf("/mnt/stick/a.mp3"), DriveKind::Removable);
    EXPECT_EQ(d.labelOf("/mnt/stick/a.mp3"), "Stick");
}

TEST_F(LinuxDrivesTest, TheLongestMountPointOnWholeComponentsHoldsAPath) {
    system.disk("sdb", "8:16", true);
    system.mountTable({
        mountLine(1, 0, "0:30", "/", "ext4", "/dev/sda1"),
        mountLine(2, 1, "0:31", "/media/x", "nfs", "nas:/x"),
        mountLine(3, 2, "8:16", "/media/x/inner", "vfat", "/dev/sdb"),
        mountLine(4, 1, "0:32", "/media/x2", "tmpfs", "tmpfs"),
    });
    const LinuxDrives d = drives();
    EXPECT_EQ(d.kindOf("/media/x"), DriveKind::Network);
    EXPECT_EQ(d.kindOf("/media/x/"), DriveKind::Network);
    EXPECT_EQ(d.kindOf("/media/x/a.mp3"), DriveKind::Network);
    EXPECT_EQ(d.kindOf("/media/x/inner/a.mp3"), DriveKind::Removable);
    EXPECT_EQ(d.kindOf("/media/x/innerer/a.mp3"), DriveKind::Network);
    EXPECT_EQ(d.kindOf("/media/x2/a.mp3"), DriveKind::RamDisk);
    EXPECT_EQ(d.kindOf("/media/xy/a.mp3"), DriveKind::Fixed) << "the root's kind";
    EXPECT_EQ(d.kindOf("/mediax/a.mp3"), DriveKind::Fixed);
    EXPECT_EQ(d.kindOf("//media///x/./inner/../a.mp3"), DriveKind::Network);
    EXPECT_EQ(d.kindOf("/media/x/inner/../../x/inner/a.mp3"), DriveKind::Removable);
    EXPECT_EQ(d.kindOf("/../../media/x/inner"), DriveKind::Removable);
}

TEST_F(LinuxDrivesTest, RelativeEmptyAndUnmountedPathsAreUnknown) {
    system.mountTable({mountLine(2, 1, "0:31", "/mnt/nas", "nfs", "nas:/x")});
    const LinuxDrives d = drives();
    EXPECT_EQ(d.kindOf(""), DriveKind::Unknown);
    EXPECT_EQ(d.kindOf("mnt/nas/a.mp3"), DriveKind::Unknown);
    EXPECT_EQ(d.kindOf("./a.mp3"), DriveKind::Unknown);
    EXPECT_EQ(d.kindOf("/home/a.mp3"), DriveKind::Unknown) << "no mount holds it";
    EXPECT_EQ(d.labelOf(""), "");
    EXPECT_EQ(d.kindOf("/mnt/nas/a.mp3"), DriveKind::Network);
}

TEST_F(LinuxDrivesTest, PseudoAndSystemMountsAreNoDrivesYetHoldTheirPaths) {
    system.disk("sda", "8:0", false);
    system.partition("sda", "sda1", "8:1");
    system.partition("sda", "sda2", "8:2");
    system.disk("loop3", "7:3", false);
    system.mountTable({
        mountLine(1, 0, "8:1", "/", "ext4", "/dev/sda1"),
        mountLine(2, 1, "0:21", "/proc", "proc", "proc"),
        mountLine(3, 1, "0:22", "/sys", "sysfs", "sysfs"),
        mountLine(4, 3, "0:23", "/sys/fs/cgroup", "cgroup2", "cgroup2"),
        mountLine(5, 1, "0:6", "/dev", "devtmpfs", "devtmpfs"),
        mountLine(6, 5, "0:24", "/dev/pts", "devpts", "devpts"),
        mountLine(7, 5, "0:25", "/dev/shm", "tmpfs", "tmpfs"),
        mountLine(8, 1, "0:26", "/run", "tmpfs", "tmpfs"),
        mountLine(9, 8, "0:27", "/run/user/1000", "tmpfs", "tmpfs"),
        mountLine(10, 9, "0:28", "/run/user/1000/gvfs", "fuse.gvfsd-fuse", "gvfsd-fuse"),
        mountLine(11, 9, "0:29", "/run/user/1000/doc", "fuse.portal", "portal"),
        mountLine(12, 1, "0:30", "/tmp", "tmpfs", "tmpfs"),
        mountLine(13, 1, "7:3", "/snap/core22/1033", "squashfs", "/dev/loop3"),
        mountLine(14, 1, "8:2", "/boot/efi", "vfat", "/dev/sda2"),
        mountLine(15, 1, "0:31", "/var/lib/docker/overlay2/abc/merged", "overlay", "overlay"),
        mountLine(16, 2, "0:32", "/proc/sys/fs/binfmt_misc", "autofs", "systemd-1"),
        mountLine(17, 1, "0:33", "/mnt/ram", "tmpfs", "music"),
        mountLine(18, 1, "0:34", "/home/u/ram", "ramfs", "ramfs"),
        mountLine(19, 1, "0:35", "/mnt/odd", "fuse.unheardof", "thing"),
    });
    const LinuxDrives d = drives();
    EXPECT_EQ(listedPoints(d),
              (std::vector<std::string>{"/", "/mnt/ram/", "/home/u/ram/", "/mnt/odd/"}));
    EXPECT_EQ(d.kindOf("/proc/1/status"), DriveKind::Unknown) << "not the root's kind";
    EXPECT_EQ(d.kindOf("/sys/fs/cgroup/x"), DriveKind::Unknown);
    EXPECT_EQ(d.kindOf("/snap/core22/1033/a.mp3"), DriveKind::Unknown);
    EXPECT_EQ(d.kindOf("/run/user/1000/gvfs/smb-share:server=nas/a.mp3"), DriveKind::Unknown);
    EXPECT_EQ(d.kindOf("/var/lib/docker/overlay2/abc/merged/a.mp3"), DriveKind::Unknown);
    EXPECT_EQ(d.kindOf("/tmp/a.mp3"), DriveKind::RamDisk) << "unlisted, still in memory";
    EXPECT_EQ(d.kindOf("/dev/shm/a.mp3"), DriveKind::RamDisk);
    EXPECT_EQ(d.kindOf("/boot/efi/a.mp3"), DriveKind::Fixed);
    EXPECT_EQ(d.kindOf("/mnt/odd/a.mp3"), DriveKind::Fixed);
}

TEST_F(LinuxDrivesTest, AContainersUnionRootIsAFixedDrive) {
    system.mountTable({
        mountLine(1, 0, "0:40", "/", "overlay", "overlay"),
        mountLine(2, 1, "0:41", "/proc", "proc", "proc"),
    });
    const LinuxDrives d = drives();
    EXPECT_EQ(listedPoints(d), (std::vector<std::string>{"/"}));
    EXPECT_EQ(d.kindOf("/music/a.mp3"), DriveKind::Fixed);
}

TEST_F(LinuxDrivesTest, DrivesCarryPointDeviceSourceTypeAndLabel) {
    system.disk("sdb", "8:16", true);
    system.partition("sdb", "sdb1", "8:17");
    system.disk("sda", "8:0", false);
    system.partition("sda", "sda1", "8:1");
    system.label("My\\x20Music\\x2fAll", "sdb1");
    system.label("root", "sda1");
    system.label("Caf\\xe9", "sda2");  // an old FAT label in Windows-1252
    system.disk("sda2", "8:2", false);
    system.mountTable({
        mountLine(1, 0, "8:1", "/", "ext4", "/dev/root"),
        mountLine(2, 1, "8:17", "/media/u/My\\040Music", "vfat", "/dev/sdb1"),
        mountLine(3, 1, "0:50", "/mnt/nas", "cifs", "//nas/music"),
        mountLine(4, 1, "8:2", "/mnt/old", "vfat", "/dev/sda2"),
    });
    const LinuxDrives d = drives();
    const auto all = d.drives();
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(all[0].mountPoint, "/");
    EXPECT_EQ(all[0].label, "root") << "the label of the device sysfs names";
    EXPECT_EQ(all[0].device, "/dev/root");
    const MountedDrive* stick = listed(all, "/media/u/My Music/");
    ASSERT_NE(stick, nullptr);
    EXPECT_EQ(stick->kind, DriveKind::Removable);
    EXPECT_EQ(stick->device, "/dev/sdb1");
    EXPECT_EQ(stick->source, "/dev/sdb1");
    EXPECT_EQ(stick->fsType, "vfat");
    EXPECT_EQ(stick->label, "My Music/All");
    EXPECT_EQ(d.labelOf("/media/u/My Music/Rock/a.mp3"), "My Music/All");
    const MountedDrive* share = listed(all, "/mnt/nas/");
    ASSERT_NE(share, nullptr);
    EXPECT_EQ(share->device, "");
    EXPECT_EQ(share->source, "//nas/music");
    EXPECT_EQ(share->label, "");
    EXPECT_EQ(d.labelOf("/mnt/old/a.mp3"), "Caf\xc3\xa9");
}

TEST_F(LinuxDrivesTest, AHiddenMountIsNeitherListedNorAsked) {
    system.disk("sdb", "8:16", true);
    system.mountTable({
        mountLine(1, 0, "0:30", "/", "ext4", "/dev/sda1"),
        mountLine(2, 1, "8:16", "/mnt/music", "vfat", "/dev/sdb"),
        mountLine(3, 2, "0:31", "/mnt/music", "nfs", "nas:/music"),
        mountLine(4, 1, "0:32", "/net", "autofs", "systemd-1"),
    });
    const LinuxDrives d = drives();
    EXPECT_EQ(listedPoints(d), (std::vector<std::string>{"/", "/mnt/music/"}));
    EXPECT_EQ(d.kindOf("/mnt/music/a.mp3"), DriveKind::Network);
    EXPECT_EQ(d.kindOf("/net/nas/a.mp3"), DriveKind::Unknown) << "an automount not yet mounted";
}

TEST_F(LinuxDrivesTest, RefreshSeesMediaComeAndGo) {
    system.disk("sdb", "8:16", true);
    system.mountTable({mountLine(1, 0, "0:30", "/", "ext4", "/dev/sda1")});
    LinuxDrives d = drives();
    EXPECT_EQ(d.kindOf("/mnt/stick/a.mp3"), DriveKind::Fixed);
    system.mountTable({
        mountLine(1, 0, "0:30", "/", "ext4", "/dev/sda1"),
        mountLine(2, 1, "8:16", "/mnt/stick", "vfat", "/dev/sdb"),
    });
    EXPECT_EQ(d.kindOf("/mnt/stick/a.mp3"), DriveKind::Fixed) << "until asked to look again";
    d.refresh();
    EXPECT_EQ(d.kindOf("/mnt/stick/a.mp3"), DriveKind::Removable);
    EXPECT_EQ(d.drives().size(), 2u);
}

TEST_F(LinuxDrivesTest, AnUnreadableTableLeavesEveryPathUnknownAndSaysSo) {
    system.mountTable({mountLine(1, 0, "0:30", "/", "ext4", "/dev/sda1")});
    LinuxDrives d = drives();
    ASSERT_EQ(d.kindOf("/a.mp3"), DriveKind::Fixed);
    fs::remove(fs::path(system.root()) / "proc" / "self" / "mountinfo");
    d.refresh();
    EXPECT_FALSE(d.tableStatus().ok());
    EXPECT_EQ(d.kindOf("/a.mp3"), DriveKind::Unknown);
    EXPECT_TRUE(d.drives().empty());
}

TEST_F(LinuxDrivesTest, SymbolicLinksOnTheWayAreFollowed) {
    system.disk("sdb", "8:16", true);
    system.mountTable({
        mountLine(1, 0, "0:30", "/", "ext4", "/dev/sda1"),
        mountLine(2, 1, "8:16", "/mnt/stick", "vfat", "/dev/sdb"),
        mountLine(3, 1, "0:31", "/mnt/nas", "nfs", "nas:/music"),
    });
    const fs::path root = system.root();
    fs::create_directories(root / "home" / "u");
    fs::create_directories(root / "mnt" / "stick" / "Music");
    fs::create_directories(root / "mnt" / "nas");
    fs::create_symlink("/mnt/stick/Music", root / "home" / "u" / "Music");
    fs::create_symlink("../../mnt/stick", root / "home" / "u" / "Stick");
    fs::create_symlink("loop", root / "home" / "u" / "loop");
    fs::create_symlink("/mnt/stick", root / "mnt" / "nas" / "link");
    const LinuxDrives d = drives();
    EXPECT_EQ(d.kindOf("/home/u/Music/a.mp3"), DriveKind::Removable);
    EXPECT_EQ(d.kindOf("/home/u/Stick/Music/a.mp3"), DriveKind::Removable);
    EXPECT_EQ(d.kindOf("/home/u/Music/../a.mp3"), DriveKind::Removable)
        << "\"..\" after a link goes up from where the link leads";
    EXPECT_EQ(d.kindOf("/home/u/loop/a.mp3"), DriveKind::Fixed) << "a link loop ends";
    EXPECT_EQ(d.kindOf("/mnt/nas/link/a.mp3"), DriveKind::Network)
        << "nothing inside a share is looked at";
}

}  // namespace
}  // namespace sonara::platform
