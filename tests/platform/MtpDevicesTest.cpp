#include <gtest/gtest.h>

#include <map>

#include "platform/MtpDevices.h"
#include "platform/MtpLayout.h"
#include "platform/UsbPresence.h"
#include "support/TempDir.h"

namespace sonara::platform {
namespace {

// A machine without MTP players (or without USB at all) is the one case that
// can run here: everything must fail cleanly instead of crashing.
TEST(MtpDevicesTest, WithoutPlayersEveryCallFailsCleanly) {
    MtpDevices devices;
    Result<int> count = devices.deviceCount();
    if (count) {
        if (count.value() > 0) {
            GTEST_SKIP() << "an MTP player is connected";
        }
    } else {
        EXPECT_FALSE(count.error().empty());
    }
    for (int device : {0, 1, 2, -1}) {
        SCOPED_TRACE(device);
        EXPECT_EQ(devices.deviceName(device).kind(), ErrorKind::Absent);
        EXPECT_EQ(devices.attach(device).kind(), ErrorKind::Absent);
        EXPECT_EQ(devices.refreshHardware(device).kind(), ErrorKind::Absent);
        EXPECT_FALSE(devices.memoryBytes(device));
        EXPECT_FALSE(devices.fileCount(device, DeviceMemory::Card));
        EXPECT_FALSE(devices.fileInfo(device, DeviceMemory::Internal, 0));
        EXPECT_EQ(
            devices.sendFile(device, DeviceMemory::Internal, "/etc/hostname", "a.mp3", {}).kind(),
            ErrorKind::Absent);
        EXPECT_EQ(devices.deleteFile(device, DeviceMemory::Internal, "a").kind(),
                  ErrorKind::Absent);
        EXPECT_EQ(devices.format(device, DeviceMemory::Internal).kind(), ErrorKind::Absent);
    }
    // A second object in the same process starts libmtp only once.
    MtpDevices again;
    EXPECT_EQ(again.attach(1).kind(), ErrorKind::Absent);
}

TEST(MtpLayoutTest, AudioTypeFromTheLastExtensionOfTheFileName) {
    EXPECT_EQ(audioTypeOf("song.mp3"), MtpAudioType::Mp3);
    EXPECT_EQ(audioTypeOf("01. Intro.MP3"), MtpAudioType::Mp3);
    EXPECT_EQ(audioTypeOf("Album/take.two.Flac"), MtpAudioType::Flac);
    EXPECT_EQ(audioTypeOf("a.ogg"), MtpAudioType::Ogg);
    EXPECT_EQ(audioTypeOf("a.m4a"), MtpAudioType::M4a);
    EXPECT_EQ(audioTypeOf("a.mp3.txt"), MtpAudioType::Unknown);
    EXPECT_EQ(audioTypeOf("Disc.mp3/track"), MtpAudioType::Unknown);
    EXPECT_EQ(audioTypeOf(".mp3"), MtpAudioType::Unknown);
    EXPECT_EQ(audioTypeOf("noextension"), MtpAudioType::Unknown);
    EXPECT_EQ(audioTypeOf("trailing."), MtpAudioType::Unknown);
}

MtpObject folder(std::uint32_t id, std::uint32_t storage, std::string name,
                 std::uint32_t parent = 0) {
    return MtpObject{id, parent, storage, std::move(name), 0, true};
}

MtpObject file(std::uint32_t id, std::uint32_t parent, std::string name, std::uint64_t bytes) {
    return MtpObject{id, parent, 1, std::move(name), bytes, false};
}

TEST(MtpLayoutTest, MusicFolderIsTheDefaultOnThatStorageElseATopLevelMusic) {
    const std::vector<MtpObject> topLevel{file(5, 0, "Music", 10), folder(6, 1, "Pictures"),
                                          folder(7, 1, "MUSIC"), folder(8, 1, "music")};
    EXPECT_EQ(chooseMusicFolder(1, folder(40, 1, "Songs"), topLevel), 40u);
    // The default music folder of the other storage does not count, nor does
    // a file that happens to be called Music.
    EXPECT_EQ(chooseMusicFolder(1, folder(40, 2, "Songs"), topLevel), 7u);
    EXPECT_EQ(chooseMusicFolder(1, file(5, 0, "Music", 10), topLevel), 7u);
    EXPECT_EQ(chooseMusicFolder(1, std::nullopt, {file(5, 0, "Music", 1), folder(6, 1, "Pics")}),
              std::nullopt);
    EXPECT_EQ(chooseMusicFolder(2, std::nullopt, topLevel), std::nullopt);
}

class MtpFolderWalkTest : public ::testing::Test {
  protected:
    // 100 Music: a.mp3, Rock/ (b.mp3, Live/ (c.mp3, Deep/ (d.mp3))), Empty/
    MtpFolderWalkTest() {
        children[100] = {file(1, 100, "a.mp3", 10), folder(200, 1, "Rock", 100),
                         folder(300, 1, "Empty", 100)};
        children[200] = {file(2, 200, "b.mp3", 20), folder(210, 1, "Live", 200)};
        children[210] = {file(3, 210, "c.mp3", 30), folder(220, 1, "Deep", 210)};
        children[220] = {file(4, 220, "d.mp3", 40)};
        children[300] = {};
    }

    MtpListChildren lister() {
        return [this](std::uint32_t id) -> Result<std::vector<MtpObject>> {
            listed.push_back(id);
            if (id == failing) {
                return Result<std::vector<MtpObject>>::failure(ErrorKind::Absent, "gone");
            }
            return children.at(id);
        };
    }

    static std::vector<std::string> names(const MtpFolderTree& tree) {
        std::vector<std::string> names;
        for (const MtpListedFile& listedFile : tree.files) {
            names.push_back(listedFile.name + "=" + std::to_string(listedFile.object.bytes));
        }
        return names;
    }

    std::map<std::uint32_t, std::vector<MtpObject>> children;
    std::vector<std::uint32_t> listed;
    std::uint32_t failing = 0;
};

TEST_F(MtpFolderWalkTest, NamesRelativeToTheRootDownToTheLevelLimit) {
    Result<MtpFolderTree> tree = walkFolder(100, 2, lister());
    ASSERT_TRUE(tree);
    EXPECT_EQ(names(tree.value()),
              (std::vector<std::string>{"a.mp3=10", "Rock/b.mp3=20", "Rock/Live/c.mp3=30"}));
    // Deep is below the limit: never listed, so never offered for removal.
    EXPECT_EQ(tree->foldersDeepestFirst, (std::vector<std::uint32_t>{210, 200, 300}));
    EXPECT_EQ(listed, (std::vector<std::uint32_t>{100, 200, 210, 300}));

    Result<MtpFolderTree> flat = walkFolder(100, 0, lister());
    ASSERT_TRUE(flat);
    EXPECT_EQ(names(flat.value()), std::vector<std::string>{"a.mp3=10"});
    EXPECT_TRUE(flat->foldersDeepestFirst.empty());
}

TEST_F(MtpFolderWalkTest, AFailedListingBelowFailsTheWalk) {
    failing = 210;
    Result<MtpFolderTree> tree = walkFolder(100, 3, lister());
    ASSERT_FALSE(tree);
    EXPECT_EQ(tree.kind(), ErrorKind::Absent);
}

TEST(UsbPresenceTest, FoundByBusAndAddressInSysfs) {
    testing::TempDir sys;
    const std::filesystem::path devices = sys.path() / "bus" / "usb" / "devices";
    EXPECT_FALSE(usbDevicePresent(1, 4, sys.path().string()));
    std::filesystem::create_directories(devices / "1-2");
    std::filesystem::create_directories(devices / "1-2:1.0");  // an interface: no numbers
    std::filesystem::create_directories(devices / "usb2");
    testing::writeText(devices / "1-2" / "busnum", "1\n");
    testing::writeText(devices / "1-2" / "devnum", "4\n");
    testing::writeText(devices / "usb2" / "busnum", "2\n");
    testing::writeText(devices / "usb2" / "devnum", "1\n");
    EXPECT_TRUE(usbDevicePresent(1, 4, sys.path().string()));
    EXPECT_TRUE(usbDevicePresent(2, 1, sys.path().string()));
    // Plugged in again, a device gets a new address: the old one is gone.
    EXPECT_FALSE(usbDevicePresent(1, 5, sys.path().string()));
    EXPECT_FALSE(usbDevicePresent(2, 4, sys.path().string()));
}

}  // namespace
}  // namespace sonara::platform
