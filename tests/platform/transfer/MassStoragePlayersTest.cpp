#include <gtest/gtest.h>

#include <filesystem>

#include "platform/AudioPlayerMarker.h"
#include "platform/MassStoragePlayers.h"
#include "support/FakeSystem.h"
#include "support/TempDir.h"

namespace sonara::platform {
namespace {

namespace fs = std::filesystem;
using testing::mountLine;
using testing::readText;
using testing::TempDir;
using testing::writeText;

// A temporary folder marked as a player and listed in a mount table of its
// own, so every call runs on real files.
class MassStoragePlayersTest : public ::testing::Test {
  protected:
    fs::path player() const { return dir.path() / "player"; }

    MassStoragePlayers mark(const std::string& marker) {
        fs::create_directories(player());
        writeText(player() / kAudioPlayerMarkerName, marker);
        writeText(dir.path() / "mountinfo",
                  mountLine(1, 0, "8:1", "/", "ext4", "/dev/vda") + "\n" +
                      mountLine(2, 1, "8:17", player().string(), "vfat", "/dev/sdz1") + "\n");
        MassStoragePlayers players(dir.file("mountinfo"));
        EXPECT_EQ(players.deviceCount().value(), 1);
        return players;
    }

    static std::vector<std::string> names(MassStoragePlayers& players) {
        std::vector<std::string> listed;
        const int count = players.fileCount(1, DeviceMemory::Internal).value();
        for (int i = 0; i < count; ++i) {
            listed.push_back(players.fileInfo(1, DeviceMemory::Internal, i)->name);
        }
        return listed;
    }

    // Every entry below the player's root but the marker, hidden ones too.
    std::vector<std::string> tree() const {
        std::vector<std::string> entries;
        for (const auto& entry : fs::recursive_directory_iterator(player())) {
            const std::string relative = fs::relative(entry.path(), player()).string();
            if (relative != kAudioPlayerMarkerName) {
                entries.push_back(relative);
            }
        }
        std::sort(entries.begin(), entries.end());
        return entries;
    }

    std::string song(const std::string& text) {
        writeText(dir.path() / "source.mp3", text);
        return dir.file("source.mp3");
    }

    TempDir dir;
};

TEST(AudioPlayerMarkerTest, KeysFoldersAndBadValues) {
    const AudioPlayerMarker empty = parseAudioPlayerMarker("");
    EXPECT_EQ(empty.name, "");
    EXPECT_EQ(empty.audioFolders, std::vector<std::string>{""});
    EXPECT_EQ(empty.folderDepth, AudioPlayerMarker::kAnyDepth);

    const AudioPlayerMarker marker = parseAudioPlayerMarker(
        "no equals here\r\n  NAME = My Player \r\n\nAudio_Folders=Music/, Podcasts/ ,../Up,"
        "/etc, a/../b, ./Voice//Memos/,Music\nfolder_depth = 2\n");
    EXPECT_EQ(marker.name, "My Player");
    EXPECT_EQ(marker.audioFolders, (std::vector<std::string>{"Music", "Podcasts", "Voice/Memos"}));
    EXPECT_EQ(marker.folderDepth, 2);

    for (const char* bad : {"folder_depth=deep", "folder_depth=-1", "folder_depth=99999999999",
                            "folder_depth=3x", "folder_depth="}) {
        EXPECT_EQ(parseAudioPlayerMarker(bad).folderDepth, AudioPlayerMarker::kAnyDepth) << bad;
    }
    EXPECT_EQ(parseAudioPlayerMarker("audio_folders=/, .., ../..").audioFolders,
              std::vector<std::string>{""});

    TempDir dir;
    std::string binary(70 * 1024, '\xff');
    binary[10] = '\0';
    binary += "\nname=beyond the read\n";
    writeText(dir.path() / kAudioPlayerMarkerName, binary);
    auto read = readAudioPlayerMarker(dir.path().string());
    ASSERT_TRUE(read.ok()) << read.error();
    EXPECT_EQ(read->name, "");
    EXPECT_EQ(readAudioPlayerMarker(dir.file("none")).kind(), ErrorKind::Absent);
}

TEST_F(MassStoragePlayersTest, FindsMarkedMountsInOrderAndNoticesOneThatWent) {
    for (const char* folder : {"b", "c", "a", "net", "under"}) {
        fs::create_directories(dir.path() / folder);
    }
    writeText(dir.path() / "b" / kAudioPlayerMarkerName, "name=Bee\n");
    writeText(dir.path() / "a" / kAudioPlayerMarkerName, "");
    writeText(dir.path() / "net" / kAudioPlayerMarkerName, "");
    writeText(dir.path() / "under" / kAudioPlayerMarkerName, "");
    const std::string root = dir.path().string();
    writeText(dir.path() / "mountinfo",
              mountLine(1, 0, "8:1", "/", "ext4", "/dev/vda") + "\n" +
                  mountLine(2, 1, "8:17", root + "/b", "vfat", "/dev/sdz1") + "\n" +
                  mountLine(3, 1, "8:18", root + "/c", "vfat", "/dev/sdz2") + "\n" +
                  mountLine(4, 1, "8:19", root + "/a", "vfat", "/dev/sdz3") + "\n" +
                  mountLine(5, 1, "0:40", root + "/net", "nfs", "nas:/music") + "\n" +
                  mountLine(6, 1, "8:20", root + "/under", "vfat", "/dev/sdz4") + "\n" +
                  mountLine(7, 6, "8:21", root + "/under", "ext4", "/dev/sdz5") + "\n");
    MassStoragePlayers players(dir.file("mountinfo"));
    ASSERT_EQ(players.deviceCount().value(), 3)
        << "unmarked and network mounts skipped, one mounted over another once";
    EXPECT_EQ(players.deviceName(1).value(), "Bee");
    EXPECT_EQ(players.deviceName(2).value(), "a") << "the mount point's last part";
    EXPECT_EQ(players.deviceName(3).value(), "under");
    EXPECT_EQ(players.deviceName(4).kind(), ErrorKind::Invalid);

    ASSERT_TRUE(players.attach(2).ok());
    const MemoryBytes bytes = players.memoryBytes(2).value();
    EXPECT_GT(bytes.internalTotal, 0u);
    EXPECT_LE(bytes.internalFree, bytes.internalTotal);
    EXPECT_EQ(bytes.cardTotal, 0u);
    EXPECT_EQ(players.fileCount(2, DeviceMemory::Card).value(), 0);
    EXPECT_EQ(players.sendFile(2, DeviceMemory::Card, song("x"), "x.mp3", {}).kind(),
              ErrorKind::Absent);
    EXPECT_EQ(players.format(2, DeviceMemory::Card).kind(), ErrorKind::Absent);

    writeText(dir.path() / "a" / kAudioPlayerMarkerName, "name=Renamed\n");
    ASSERT_TRUE(players.refreshHardware(2).ok());
    EXPECT_EQ(players.deviceName(2).value(), "Renamed");
    fs::remove(dir.path() / "a" / kAudioPlayerMarkerName);
    EXPECT_EQ(players.refreshHardware(2).kind(), ErrorKind::Absent);
    EXPECT_EQ(players.fileCount(2, DeviceMemory::Internal).kind(), ErrorKind::Absent);
    EXPECT_EQ(players.deviceName(1).value(), "Bee");
}

TEST_F(MassStoragePlayersTest, ListsSongsOfTheAudioFoldersDownToTheDepth) {
    MassStoragePlayers players = mark("audio_folders=Music, Podcasts, Music/Album\nfolder_depth=1");
    fs::create_directories(player() / "Music" / "Album" / "Deep");
    fs::create_directories(player() / "Music" / ".hidden");
    fs::create_directories(player() / "Podcasts");
    fs::create_directories(dir.path() / "outside");
    writeText(player() / "Music" / "a.mp3", "12345");
    writeText(player() / "Music" / "Album" / "b.MP3", "b");
    fs::create_directories(player() / "Music" / "Album" / "Deep" / "Deeper");
    writeText(player() / "Music" / "Album" / "Deep" / "c.mp3", "12345678");
    writeText(player() / "Music" / "Album" / "Deep" / "Deeper" / "d.mp3", "too deep");
    writeText(player() / "Music" / ".hidden.mp3", "h");
    writeText(player() / "Music" / ".hidden" / "h.mp3", "h");
    writeText(player() / "Music" / ".sonara-partial-abc123", "partial");
    writeText(player() / "Music" / "notes.txt", "not a song");
    writeText(player() / "Podcasts" / "p.ogg", "p");
    writeText(player() / "root.mp3", "not in an audio folder");
    writeText(dir.path() / "outside" / "o.mp3", "o");
    fs::create_symlink(dir.path() / "outside" / "o.mp3", player() / "Music" / "link.mp3");
    fs::create_symlink(dir.path() / "outside", player() / "Music" / "Linked");

    EXPECT_EQ(names(players),
              (std::vector<std::string>{"Album/b.MP3", "Deep/c.mp3", "a.mp3", "p.ogg"}))
        << "b.MP3 once, from Music first; Deeper is past the depth below Music/Album";
    EXPECT_EQ(players.fileInfo(1, DeviceMemory::Internal, 1)->bytes, 8u);
    EXPECT_EQ(players.fileInfo(1, DeviceMemory::Internal, 4).kind(), ErrorKind::Invalid);

    MassStoragePlayers unlimited = mark("");
    EXPECT_EQ(names(unlimited).size(), 6u) << "the root, every level";
}

TEST_F(MassStoragePlayersTest, SendPutsTheSongUnderItsNameAndNeverReplacesOne) {
    MassStoragePlayers players = mark("audio_folders=Music/New\n");
    std::uint64_t lastSent = 0;
    std::uint64_t lastTotal = 0;
    const std::string body(5 * 1024 * 1024 + 17, 's');
    ASSERT_TRUE(players
                    .sendFile(1, DeviceMemory::Internal, song(body), "Song: one.mp3",
                              [&](std::uint64_t sent, std::uint64_t total) {
                                  lastSent = sent;
                                  lastTotal = total;
                                  return true;
                              })
                    .ok());
    EXPECT_EQ(lastSent, body.size());
    EXPECT_EQ(lastTotal, body.size());
    EXPECT_EQ(readText(player() / "Music" / "New" / "Song: one.mp3"), body);
    EXPECT_EQ(tree(), (std::vector<std::string>{"Music", "Music/New", "Music/New/Song: one.mp3"}));

    const Status again =
        players.sendFile(1, DeviceMemory::Internal, song("new"), "Song: one.mp3", {});
    EXPECT_EQ(again.kind(), ErrorKind::Invalid);
    EXPECT_EQ(readText(player() / "Music" / "New" / "Song: one.mp3"), body);
    for (const char* refused : {"", "..", "a/b.mp3", ".hidden.mp3"}) {
        EXPECT_EQ(players.sendFile(1, DeviceMemory::Internal, song("x"), refused, {}).kind(),
                  ErrorKind::Invalid)
            << refused;
    }
    EXPECT_EQ(tree().size(), 3u) << "nothing left behind";
}

TEST_F(MassStoragePlayersTest, AFailedSendLeavesNothingUnderTheName) {
    MassStoragePlayers players = mark("audio_folders=Music\n");
    fs::create_directories(player() / "Music");
    EXPECT_FALSE(
        players.sendFile(1, DeviceMemory::Internal, dir.file("none.mp3"), "a.mp3", {}).ok());
    EXPECT_FALSE(
        players.sendFile(1, DeviceMemory::Internal, dir.path().string(), "a.mp3", {}).ok());

    const Status cancelled =
        players.sendFile(1, DeviceMemory::Internal, song("whole song"), "a.mp3",
                         [](std::uint64_t sent, std::uint64_t total) { return sent < total; });
    EXPECT_EQ(cancelled.kind(), ErrorKind::Cancelled);
    EXPECT_EQ(tree(), std::vector<std::string>{"Music"});

    // Pulled out mid-send: the folder leaves the mount and the marker goes.
    const Status unplugged = players.sendFile(
        1, DeviceMemory::Internal, song("whole song"), "a.mp3", [&](std::uint64_t, std::uint64_t) {
            fs::rename(player() / "Music", dir.path() / "gone");
            fs::remove(player() / kAudioPlayerMarkerName);
            return true;
        });
    EXPECT_EQ(unplugged.kind(), ErrorKind::Absent) << unplugged.error();
    EXPECT_TRUE(fs::is_empty(player()));
    EXPECT_TRUE(fs::is_empty(dir.path() / "gone")) << "the temporary file went with the folder";
}

TEST_F(MassStoragePlayersTest, DeletesTheOneSongOfAStem) {
    MassStoragePlayers players = mark("");
    fs::create_directories(player() / "Album");
    for (const char* name : {"a.b.mp3", "Album/c.mp3", "song.mp3", "song.wav", "keep.mp3"}) {
        writeText(player() / name, "x");
    }
    EXPECT_TRUE(players.deleteFile(1, DeviceMemory::Internal, "a.b").ok());
    EXPECT_TRUE(players.deleteFile(1, DeviceMemory::Internal, "Album/c").ok());
    EXPECT_EQ(players.deleteFile(1, DeviceMemory::Internal, "song").kind(), ErrorKind::Invalid);
    EXPECT_EQ(players.deleteFile(1, DeviceMemory::Internal, "missing").kind(), ErrorKind::Invalid);
    EXPECT_EQ(players.deleteFile(1, DeviceMemory::Card, "keep").kind(), ErrorKind::Absent);
    EXPECT_EQ(tree(), (std::vector<std::string>{"Album", "keep.mp3", "song.mp3", "song.wav"}));
}

TEST_F(MassStoragePlayersTest, FormatRemovesOnlyTheSongsAndTheFoldersTheyLeaveEmpty) {
    MassStoragePlayers players = mark("audio_folders=Music");
    fs::create_directories(player() / "Music" / "Album" / "Disc");
    fs::create_directories(player() / "Music" / "Art");
    fs::create_directories(player() / "Music" / "Empty");
    for (const char* name : {"Music/a.mp3", "Music/Album/Disc/b.flac", "Music/Art/c.mp3",
                             "Music/Art/cover.jpg", "Music/.keep.mp3", "other.mp3"}) {
        writeText(player() / name, "x");
    }
    ASSERT_TRUE(players.format(1, DeviceMemory::Internal).ok());
    EXPECT_EQ(tree(),
              (std::vector<std::string>{"Music", "Music/.keep.mp3", "Music/Art",
                                        "Music/Art/cover.jpg", "Music/Empty", "other.mp3"}));
    EXPECT_TRUE(fs::exists(player() / kAudioPlayerMarkerName));
    EXPECT_EQ(players.fileCount(1, DeviceMemory::Internal).value(), 0);
}

}  // namespace
}  // namespace sonara::platform
