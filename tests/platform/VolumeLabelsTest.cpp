#include <gtest/gtest.h>

#include "platform/VolumeLabels.h"
#include "support/FakeSystem.h"

namespace sonara::platform {
namespace {

TEST(UdevNames, HexEscapesAreUndoneAndOtherBackslashesKept) {
    EXPECT_EQ(decodeUdevName("My\\x20Music"), "My Music");
    EXPECT_EQ(decodeUdevName("a\\x2fb\\x5cc"), "a/b\\c");
    EXPECT_EQ(decodeUdevName("\\x4A\\x4b"), "JK");
    EXPECT_EQ(decodeUdevName("cut\\x2"), "cut\\x2");
    EXPECT_EQ(decodeUdevName("bad\\xzz"), "bad\\xzz");
    EXPECT_EQ(decodeUdevName("end\\"), "end\\");
    EXPECT_EQ(decodeUdevName("\\y20"), "\\y20");
}

TEST(VolumeLabelsRead, LabelsAreFoundByTheDeviceTheirLinksLeadTo) {
    testing::FakeSystem system;
    system.label("SUMMER\\x202003", "sdb1");
    system.label("Data", "dm-0");
    const VolumeLabels labels(system.root() + "/dev");
    EXPECT_EQ(labels.labelOf("sdb1"), "SUMMER 2003");
    EXPECT_EQ(labels.labelOf("dm-0"), "Data");
    EXPECT_EQ(labels.labelOf("sdb"), "");
}

TEST(VolumeLabelsRead, AMissingFolderMeansNoLabels) {
    const VolumeLabels labels("/nonexistent/sonara/dev");
    EXPECT_EQ(labels.labelOf("sda1"), "");
}

}  // namespace
}  // namespace sonara::platform
