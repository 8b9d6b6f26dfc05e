#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/tools/transfer/PortableDevices.h"

namespace sonara {

// Players held in memory, for tests, pictures and end-to-end runs without a
// device. Each player has a name and two memories; a memory of 0 total bytes
// is absent (every call on it fails). Free bytes are the total less the sizes
// of the files held.
//
// Every operation can be made to fail on demand, and a send can be made to
// behave as a player pulled out halfway: it reports some progress, fails as
// ErrorKind::Absent, keeps nothing, and from then on every call fails as
// Absent and the device count is 0.
//
// Thread: like the interface, one call at a time.
class FakePortableDevices final : public PortableDevices {
  public:
    enum class Operation {
        Create,  // only read by fakeDevicesFromSpec
        Count,
        Name,
        Attach,
        Refresh,
        Memory,
        FileCount,
        FileInfo,
        Send,
        Delete,
        Format,
    };

    struct Player {
        std::string name = "Fake Player";
        std::uint64_t internalTotal = 0;
        std::uint64_t cardTotal = 0;
        std::vector<DeviceFile> internalFiles;
        std::vector<DeviceFile> cardFiles;
        // Internal bytes held outside the music folder (a phone's photos).
        std::uint64_t internalOther = 0;
    };

    FakePortableDevices() = default;
    explicit FakePortableDevices(std::vector<Player> players);

    // The next `times` calls of the operation fail (ErrorKind::Device).
    void failNext(Operation operation, int times = 1);
    void failAlways(Operation operation, bool fail = true);
    bool failsAlways(Operation operation) const;
    // The next send is a player pulled out halfway through.
    void unplugDuringNextSend();
    bool unplugged() const { return unplugged_; }

    // What each memory holds now, for checking after a step.
    const std::vector<DeviceFile>& filesOf(int device, DeviceMemory memory) const;
    // Every stem passed to deleteFile, in order, failed or not.
    const std::vector<std::string>& deletedStems() const { return deletedStems_; }
    // Every name passed to sendFile, in order, failed or not.
    const std::vector<std::string>& sentNames() const { return sentNames_; }

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
    static constexpr std::size_t kOperations = static_cast<std::size_t>(Operation::Format) + 1;
    // The injected or unplugged failure of this call, or success.
    Status injected(Operation operation);
    Result<Player*> player(int device);
    Result<std::vector<DeviceFile>*> memoryFiles(int device, DeviceMemory memory);
    // The call's injected failure, else the memory's files.
    Result<std::vector<DeviceFile>*> reachableFiles(Operation operation, int device,
                                                    DeviceMemory memory);
    static std::uint64_t used(const std::vector<DeviceFile>& files);

    std::vector<Player> players_;
    std::array<int, kOperations> failCounts_{};
    std::array<bool, kOperations> failAlways_{};
    bool unplugNextSend_ = false;
    bool unplugged_ = false;
    std::vector<std::string> deletedStems_;
    std::vector<std::string> sentNames_;
};

// Builds fake players from a comma-separated list of key=value settings, all
// optional:
//   devices=N         how many identical players are connected (default 1;
//                     0 for none)
//   name=TEXT         the players' name (default "Fake Player"; no commas)
//   internal=MB       internal memory size in megabytes (default 64; 0 absent)
//   card=MB           card memory size in megabytes (default 0: absent)
//   files=N           N songs "Artist - Song K.mp3" of 3 to 6 MB in internal
//                     memory (default 0)
//   fail=OP+OP...     operations that always fail: create, count, name,
//                     attach, refresh, memory, filecount, fileinfo, send,
//                     delete, format
//   unplug=send       the first send behaves as the player pulled out
// Example: "internal=32,card=0,files=12,name=Test Player,fail=send+format".
// An empty spec gives one player of 64 MB. An unknown key, a bad number or
// operation, or files that do not fit fail with a message naming it; so does
// "fail=create", as a manager that cannot start.
Result<std::unique_ptr<FakePortableDevices>> fakeDevicesFromSpec(std::string_view spec);

}  // namespace sonara
