#include <gtest/gtest.h>

#include "platform/FakePortableDevices.h"
#include "platform/PortableDeviceSet.h"
#include "support/TempDir.h"

namespace sonara::platform {
namespace {

std::unique_ptr<FakePortableDevices> players(std::vector<std::string> names) {
    std::vector<FakePortableDevices::Player> made;
    for (std::string& name : names) {
        FakePortableDevices::Player player;
        player.name = std::move(name);
        player.internalTotal = 1000;
        for (std::size_t i = 0; i < made.size() + 1; ++i) {
            player.internalFiles.push_back({"song " + std::to_string(i) + ".mp3", 10});
        }
        made.push_back(std::move(player));
    }
    return std::make_unique<FakePortableDevices>(std::move(made));
}

std::unique_ptr<FakePortableDevices> failingToCount() {
    auto fake = players({"Unseen"});
    fake->failAlways(FakePortableDevices::Operation::Count);
    return fake;
}

PortableDeviceSet setOf(std::vector<std::unique_ptr<FakePortableDevices>> fakes) {
    std::vector<std::unique_ptr<PortableDevices>> backends;
    for (auto& fake : fakes) {
        backends.push_back(std::move(fake));
    }
    return PortableDeviceSet(std::move(backends));
}

TEST(PortableDeviceSetTest, NumbersRunOnAcrossBackendsEachCalledWithItsOwnNumber) {
    std::vector<std::unique_ptr<FakePortableDevices>> fakes;
    fakes.push_back(players({"A1", "A2"}));
    fakes.push_back(failingToCount());
    fakes.push_back(players({"B1"}));
    FakePortableDevices& last = *fakes.back();
    PortableDeviceSet set = setOf(std::move(fakes));

    Result<int> count = set.deviceCount();
    ASSERT_TRUE(count);
    EXPECT_EQ(count.value(), 3);
    EXPECT_EQ(set.deviceName(1).value(), "A1");
    EXPECT_EQ(set.deviceName(2).value(), "A2");
    EXPECT_EQ(set.deviceName(3).value(), "B1");
    EXPECT_EQ(set.fileCount(2, DeviceMemory::Internal).value(), 2);
    EXPECT_EQ(set.fileCount(3, DeviceMemory::Internal).value(), 1);
    EXPECT_TRUE(set.deleteFile(3, DeviceMemory::Internal, "song 0"));
    EXPECT_EQ(last.deletedStems(), std::vector<std::string>{"song 0"});
    EXPECT_TRUE(last.filesOf(1, DeviceMemory::Internal).empty());
    for (int beyond : {0, 4, -1}) {
        EXPECT_EQ(set.attach(beyond).kind(), ErrorKind::Absent);
        EXPECT_EQ(set.format(beyond, DeviceMemory::Internal).kind(), ErrorKind::Absent);
    }
}

TEST(PortableDeviceSetTest, CallsBeforeACountCountFirst) {
    std::vector<std::unique_ptr<FakePortableDevices>> fakes;
    fakes.push_back(failingToCount());
    fakes.push_back(players({"B1"}));
    PortableDeviceSet set = setOf(std::move(fakes));
    EXPECT_EQ(set.deviceName(1).value(), "B1");
    EXPECT_EQ(set.deviceName(2).kind(), ErrorKind::Absent);
}

TEST(PortableDeviceSetTest, ANewCountRenumbersWhenAPlayerLeaves) {
    std::vector<std::unique_ptr<FakePortableDevices>> fakes;
    fakes.push_back(players({"A1"}));
    fakes.push_back(players({"B1"}));
    fakes.front()->unplugDuringNextSend();
    PortableDeviceSet set = setOf(std::move(fakes));
    ASSERT_EQ(set.deviceCount().value(), 2);

    testing::TempDir dir;
    testing::writeText(dir.file("song.mp3"), "0123456789");
    EXPECT_EQ(set.sendFile(1, DeviceMemory::Internal, dir.file("song.mp3"), "song.mp3", {}).kind(),
              ErrorKind::Absent);
    EXPECT_EQ(set.deviceName(2).value(), "B1");  // numbers hold until the next count
    ASSERT_EQ(set.deviceCount().value(), 1);
    EXPECT_EQ(set.deviceName(1).value(), "B1");
    EXPECT_EQ(set.deviceName(2).kind(), ErrorKind::Absent);
}

TEST(PortableDeviceSetTest, CountFailsOnlyWhenNoBackendCouldCount) {
    std::vector<std::unique_ptr<FakePortableDevices>> fakes;
    fakes.push_back(failingToCount());
    fakes.push_back(failingToCount());
    PortableDeviceSet set = setOf(std::move(fakes));
    EXPECT_FALSE(set.deviceCount());
    EXPECT_EQ(set.attach(1).kind(), ErrorKind::Absent);

    PortableDeviceSet none({});
    EXPECT_EQ(none.deviceCount().value(), 0);
}

}  // namespace
}  // namespace sonara::platform
