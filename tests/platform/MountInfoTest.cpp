#include <gtest/gtest.h>

#include "platform/MountInfo.h"
#include "support/FakeSystem.h"

namespace sonara::platform {
namespace {

using testing::mountLine;

std::vector<std::string> mountPoints(const std::vector<MountEntry>& entries) {
    std::vector<std::string> points;
    for (const MountEntry& entry : entries) {
        points.push_back(entry.mountPoint);
    }
    return points;
}

TEST(MountInfoParse, ReadsEveryFieldAroundAnyNumberOfOptionalFields) {
    const auto entries = parseMountInfo(
        "36 35 98:0 /mnt1 /mnt2 rw,noatime master:1 - ext3 /dev/root rw,errors=continue\n"
        "37 35 8:17 / /media/stick rw - vfat /dev/sdb1 rw\n"
        "38 35 0:52 / /mnt/nas rw shared:7 master:2 propagate_from:3 - nfs4 nas:/music rw\n");
    ASSERT_EQ(entries.size(), 3u);
    const MountEntry& bind = entries[0];
    EXPECT_EQ(bind.id, 36);
    EXPECT_EQ(bind.parentId, 35);
    EXPECT_EQ(bind.major, 98u);
    EXPECT_EQ(bind.minor, 0u);
    EXPECT_EQ(bind.root, "/mnt1");
    EXPECT_EQ(bind.mountPoint, "/mnt2");
    EXPECT_EQ(bind.fsType, "ext3");
    EXPECT_EQ(bind.source, "/dev/root");
    EXPECT_EQ(entries[1].fsType, "vfat");
    EXPECT_EQ(entries[1].minor, 17u);
    EXPECT_EQ(entries[2].fsType, "nfs4");
    EXPECT_EQ(entries[2].source, "nas:/music");
}

TEST(MountInfoParse, UndoesOctalEscapesInMountPointsAndSources) {
    const auto entries = parseMountInfo(
        mountLine(40, 1, "8:17", "/media/u/My\\040Stick\\011Tab\\134x", "vfat", "/dev/sdb1") +
        "\n" + mountLine(41, 1, "0:60", "/mnt/share", "cifs", "//nas/My\\040Music") + "\n");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].mountPoint, "/media/u/My Stick\tTab\\x");
    EXPECT_EQ(entries[1].source, "//nas/My Music");
}

TEST(MountInfoParse, BackslashesThatAreNoEscapeStayAsWritten) {
    EXPECT_EQ(unescapeMountField("a\\04"), "a\\04");      // cut short
    EXPECT_EQ(unescapeMountField("a\\400b"), "a\\400b");  // above one byte
    EXPECT_EQ(unescapeMountField("a\\08xb"), "a\\08xb");  // not octal
    EXPECT_EQ(unescapeMountField("end\\"), "end\\");
    EXPECT_EQ(unescapeMountField("\\101\\102"), "AB");
}

TEST(MountInfoParse, SkipsDamagedLinesAndKeepsTheRestInOrder) {
    const std::string good1 = mountLine(20, 1, "8:1", "/", "ext4", "/dev/sda1");
    const std::string good2 = mountLine(21, 20, "8:2", "/home", "ext4", "/dev/sda2");
    const auto entries = parseMountInfo(good1 + "\n" +
                                        "\n"
                                        "garbage\n"
                                        "22 20 8:3 / /no/separator rw shared:1 ext4 /dev/sda3 rw\n"
                                        "23 20 8:3 / /cut rw -\n"
                                        "24 20 8:3 / /cut/after/type rw - ext4\n"
                                        "x 20 8:3 / /bad/id rw - ext4 /dev/sda3 rw\n"
                                        "25 20 8-3 / /bad/device rw - ext4 /dev/sda3 rw\n"
                                        "26 20 8: / /bad/minor rw - ext4 /dev/sda3 rw\n"
                                        "27 20 8:3 / relative rw - ext4 /dev/sda3 rw\n"
                                        "28  20 8:3 / /double/blank rw - ext4 /dev/sda3 rw\n"
                                        "29 20 99999999999:3 / /huge rw - ext4 /dev/sda3 rw\n" +
                                        good2 + "\r\n" + "\x01\xff\xfe binary\n" +
                                        mountLine(30, 20, "8:4", "/last", "ext4", "/dev/sda4"));
    EXPECT_EQ(mountPoints(entries), (std::vector<std::string>{"/", "/home", "/last"}));
    EXPECT_EQ(entries[1].source, "/dev/sda2") << "the carriage return is not part of the line";
}

TEST(MountInfoParse, AnEmptySourceIsAFieldOfItsOwn) {
    const auto entries = parseMountInfo("31 1 0:40 / /mnt/ram rw - tmpfs  rw,size=4k\n");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].fsType, "tmpfs");
    EXPECT_EQ(entries[0].source, "");
}

TEST(MountInfoParse, DropsATrailingSlashOfAMountPoint) {
    const auto entries = parseMountInfo(mountLine(5, 1, "8:1", "/data/", "ext4", "/dev/sda1") +
                                        "\n" + mountLine(6, 1, "8:1", "/", "ext4", "/dev/sda1"));
    EXPECT_EQ(mountPoints(entries), (std::vector<std::string>{"/data", "/"}));
}

TEST(MountInfoRead, AMissingFileIsAFailureThatSaysWhichFile) {
    const auto table = readMountInfo("/nonexistent/sonara/mountinfo");
    ASSERT_FALSE(table.ok());
    EXPECT_NE(table.error().find("/nonexistent/sonara/mountinfo"), std::string::npos);
}

std::vector<MountEntry> table(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return parseMountInfo(text);
}

TEST(VisibleMounts, AMountOverAnotherOnTheSamePointHidesIt) {
    // An automount point and the share mounted on it when first used.
    const auto mounts = table({
        mountLine(1, 0, "8:1", "/", "ext4", "/dev/sda1"),
        mountLine(2, 1, "0:40", "/net/nas", "autofs", "systemd-1"),
        mountLine(3, 2, "0:41", "/net/nas", "nfs", "nas:/export"),
    });
    const auto visible = visibleMounts(mounts);
    ASSERT_EQ(visible.size(), 2u);
    EXPECT_EQ(visible[1].fsType, "nfs");
}

TEST(VisibleMounts, AMountOverAFolderHidesTheMountsBelowIt) {
    const auto mounts = table({
        mountLine(1, 0, "8:1", "/", "ext4", "/dev/sda1"),
        mountLine(2, 1, "8:2", "/srv", "ext4", "/dev/sda2"),
        mountLine(3, 2, "8:3", "/srv/music", "ext4", "/dev/sda3"),
        mountLine(4, 2, "8:4", "/srv", "xfs", "/dev/sdb1"),
        mountLine(5, 4, "8:5", "/srv/new", "ext4", "/dev/sdc1"),
    });
    EXPECT_EQ(mountPoints(visibleMounts(mounts)),
              (std::vector<std::string>{"/", "/srv", "/srv/new"}));
    EXPECT_EQ(visibleMounts(mounts)[1].fsType, "xfs");
}

TEST(VisibleMounts, ParentCyclesAndUnknownParentsEnd) {
    const auto mounts = table({
        mountLine(7, 8, "8:1", "/a", "ext4", "/dev/sda1"),
        mountLine(8, 7, "8:2", "/a/b", "ext4", "/dev/sda2"),
        mountLine(9, 9, "8:3", "/", "ext4", "/dev/sda3"),
        mountLine(10, 999, "8:4", "/c", "ext4", "/dev/sda4"),
    });
    EXPECT_EQ(visibleMounts(mounts).size(), 4u);
}

}  // namespace
}  // namespace sonara::platform
