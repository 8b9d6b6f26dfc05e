#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/io/Result.h"

namespace sonara {

// A player's own memory and the card plugged into it.
enum class DeviceMemory { Internal = 0, Card = 1 };

// One file of a memory's music folder. `name` is relative to that folder and
// may hold "/" for a file in one of its subfolders.
struct DeviceFile {
    std::string name;
    std::uint64_t bytes = 0;
};

// Sizes of both memories; an absent memory (a player without a card) has 0
// total and 0 free.
struct MemoryBytes {
    std::uint64_t internalTotal = 0;
    std::uint64_t internalFree = 0;
    std::uint64_t cardTotal = 0;
    std::uint64_t cardFree = 0;
};

// Told during a send: bytes sent so far of `total`. Returning false cancels
// the send, which then fails with ErrorKind::Cancelled.
using SendProgress = std::function<bool(std::uint64_t sent, std::uint64_t total)>;

// The connected portable players, numbered from 1, and what can be done
// with their two memories. Every call may block on the device for seconds,
// so callers keep them off the user-interface thread.
//
// Thread: not thread-safe. One call at a time, from any one thread at a time.
// Failures are results (ErrorKind::Absent when the device has gone), never
// exceptions.
class PortableDevices {
  public:
    virtual ~PortableDevices() = default;

    virtual Result<int> deviceCount() = 0;
    virtual Result<std::string> deviceName(int device) = 0;
    // Opens the device for the calls below; the other calls may fail before it.
    virtual Status attach(int device) = 0;
    // Looks at the device afresh: storages, sizes, files.
    virtual Status refreshHardware(int device) = 0;
    virtual Result<MemoryBytes> memoryBytes(int device) = 0;
    // Takes a new listing of the memory's music folder; fileInfo reads it.
    virtual Result<int> fileCount(int device, DeviceMemory memory) = 0;
    virtual Result<DeviceFile> fileInfo(int device, DeviceMemory memory, int index) = 0;
    // Sends the file at `path` into the memory's music folder as
    // `nameOnDevice` (a name the device accepts, not yet taken). On failure
    // nothing is left under that name.
    virtual Status sendFile(int device, DeviceMemory memory, const std::string& path,
                            const std::string& nameOnDevice, const SendProgress& progress) = 0;
    // Deletes the one listed file whose name without its extension is `stem`.
    virtual Status deleteFile(int device, DeviceMemory memory, const std::string& stem) = 0;
    // Empties the memory's music folders; never touches anything else.
    virtual Status format(int device, DeviceMemory memory) = 0;
};

}  // namespace sonara
