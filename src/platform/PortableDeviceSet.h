#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "core/tools/transfer/PortableDevices.h"

namespace sonara::platform {

// The players of several backends as one numbering: the first backend's
// devices come first, then the next one's, as their last counts gave them.
// A backend whose count fails adds no devices; a device beyond the counted
// ones fails as ErrorKind::Absent. Calls before the first deviceCount count
// first.
//
// Thread: like the interface, one call at a time.
class PortableDeviceSet final : public PortableDevices {
  public:
    explicit PortableDeviceSet(std::vector<std::unique_ptr<PortableDevices>> backends);

    // The sum of the backends' counts; fails only when every backend failed.
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
    struct Route {
        PortableDevices* backend = nullptr;
        int device = 0;  // its number within the backend
    };

    Result<Route> route(int device);

    std::vector<std::unique_ptr<PortableDevices>> backends_;
    std::vector<int> counts_;
    bool counted_ = false;
};

}  // namespace sonara::platform
