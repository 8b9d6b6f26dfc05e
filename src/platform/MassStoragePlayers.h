#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/tools/transfer/PortableDevices.h"
#include "platform/PlayerStorage.h"

namespace sonara::platform {

// USB music players seen as mounted file systems: every mount a path lookup
// reaches whose root holds a `.is_audio_player` marker, in mount-table
// order (network and pseudo file systems are not looked at, so a server
// that does not answer cannot hang the count). A player's name is the
// marker's `name=`, else its volume label, else its mount point's last part.
//
// The internal memory is the player's file system (its size and free bytes
// as statvfs reports them) and its songs are those PlayerStorage lists. The
// players have no card memory: it is 0 bytes, lists no songs, and sending
// to, deleting from or formatting it fails as ErrorKind::Absent.
//
// deviceCount() reads the mount table and numbers the players afresh;
// refreshHardware() reads it again and the player's marker, and fails as
// Absent when that player has gone. Thread and failures as the interface.
class MassStoragePlayers final : public PortableDevices {
  public:
    explicit MassStoragePlayers(std::string mountInfoPath = "/proc/self/mountinfo");

    Result<int> deviceCount() override;
    Result<std::string> deviceName(int device) override;
    Status attach(int device) override;
    Status refreshHardware(int device) override;
    Result<MemoryBytes> memoryBytes(int device) override;
    Result<int> fileCount(int device, DeviceMemory memory) override;
    Result<DeviceFile> fileInfo(int device, DeviceMemory memory, int index) override;
    Status sendFile(int device, DeviceMemory memory, const std::string& path,
                    const std::string& nameOnDevice, const SendProgress& progress) override;
    Status deleteFile(int device, DeviceMemory memory, const std::string& stem) override;
    Status format(int device, DeviceMemory memory) override;

  private:
    struct Player {
        std::string name;
        PlayerStorage storage;
        std::vector<PlayerFile> listing;  // of the last fileCount
    };

    // The players of the mount table now.
    Result<std::vector<Player>> findPlayers() const;
    Result<Player*> player(int device);
    // The player's internal memory, or the failure of a call on its card.
    Result<Player*> internal(int device, DeviceMemory memory);

    std::string mountInfoPath_;
    std::vector<Player> players_;
};

}  // namespace sonara::platform
