#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/tools/transfer/PortableDevices.h"

namespace sonara::platform {

// MTP players and phones on USB, through libmtp. Devices are numbered in the
// order of the last deviceCount (which every call makes first when none was
// made); a device is opened by the first call that needs it and stays open
// until the object goes or a later count no longer finds it.
//
// Memories: the device's first storage is Internal, its second Card (absent:
// 0 bytes and empty lists when there is one). Each memory's music folder is
// the device's default music folder when it lies on that storage, else a
// top-level "Music" folder, which the first send makes when it is missing.
// Listings reach a few levels of subfolders. Format deletes only the files
// and the emptied subfolders of the music folder, never the storage.
//
// Once a device is found gone every call on it fails as ErrorKind::Absent
// until a new count finds it again.
//
// Thread: like the interface, one call at a time. libmtp is started once per
// process, on first construction.
class MtpDevices final : public PortableDevices {
  public:
    MtpDevices();
    ~MtpDevices() override;
    MtpDevices(const MtpDevices&) = delete;
    MtpDevices& operator=(const MtpDevices&) = delete;

    // No device and every failure to look count as 0 devices; a failure is
    // also reported as such.
    Result<int> deviceCount() override;
    // The device's own name, else its maker and model.
    Result<std::string> deviceName(int device) override;
    Status attach(int device) override;
    Status refreshHardware(int device) override;
    // Reads the sizes afresh.
    Result<MemoryBytes> memoryBytes(int device) override;
    Result<int> fileCount(int device, DeviceMemory memory) override;
    Result<DeviceFile> fileInfo(int device, DeviceMemory memory, int index) override;
    // Refuses a name with "/" or one the last listing holds. A failed or
    // cancelled send deletes what reached the device.
    Status sendFile(int device, DeviceMemory memory, const std::string& path,
                    const std::string& nameOnDevice, const SendProgress& progress) override;
    // Refuses a stem that more than one listed file has.
    Status deleteFile(int device, DeviceMemory memory, const std::string& stem) override;
    Status format(int device, DeviceMemory memory) override;

  private:
    class Player;
    struct Slot;

    Result<Slot*> slot(int device);
    Result<Player*> openedPlayer(int device);

    std::vector<std::unique_ptr<Slot>> slots_;
    bool counted_ = false;
};

}  // namespace sonara::platform
