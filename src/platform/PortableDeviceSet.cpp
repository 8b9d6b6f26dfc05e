#include "platform/PortableDeviceSet.h"

#include <string>

namespace sonara::platform {

PortableDeviceSet::PortableDeviceSet(std::vector<std::unique_ptr<PortableDevices>> backends)
    : backends_(std::move(backends)), counts_(backends_.size(), 0) {}

Result<int> PortableDeviceSet::deviceCount() {
    counted_ = true;
    int total = 0;
    bool anyCounted = backends_.empty();
    Status lastFailure = Status::success();
    for (std::size_t i = 0; i < backends_.size(); ++i) {
        Result<int> count = backends_[i]->deviceCount();
        counts_[i] = count && count.value() > 0 ? count.value() : 0;
        if (count) {
            anyCounted = true;
        } else {
            lastFailure = count.status();
        }
        total += counts_[i];
    }
    if (!anyCounted) {
        return Result<int>::failure(lastFailure);
    }
    return total;
}

Result<PortableDeviceSet::Route> PortableDeviceSet::route(int device) {
    if (!counted_) {
        (void)deviceCount();  // a failed count leaves every backend at 0
    }
    int first = 1;
    for (std::size_t i = 0; i < backends_.size(); ++i) {
        if (device >= first && device < first + counts_[i]) {
            return Route{backends_[i].get(), device - first + 1};
        }
        first += counts_[i];
    }
    return Result<Route>::failure(ErrorKind::Absent, "No player number " + std::to_string(device));
}

Result<std::string> PortableDeviceSet::deviceName(int device) {
    Result<Route> to = route(device);
    return to ? to->backend->deviceName(to->device) : Result<std::string>::failure(to.status());
}

Status PortableDeviceSet::attach(int device) {
    Result<Route> to = route(device);
    return to ? to->backend->attach(to->device) : to.status();
}

Status PortableDeviceSet::refreshHardware(int device) {
    Result<Route> to = route(device);
    return to ? to->backend->refreshHardware(to->device) : to.status();
}

Result<MemoryBytes> PortableDeviceSet::memoryBytes(int device) {
    Result<Route> to = route(device);
    return to ? to->backend->memoryBytes(to->device) : Result<MemoryBytes>::failure(to.status());
}

Result<int> PortableDeviceSet::fileCount(int device, DeviceMemory memory) {
    Result<Route> to = route(device);
    return to ? to->backend->fileCount(to->device, memory) : Result<int>::failure(to.status());
}

Result<DeviceFile> PortableDeviceSet::fileInfo(int device, DeviceMemory memory, int index) {
    Result<Route> to = route(device);
    return to ? to->backend->fileInfo(to->device, memory, index)
              : Result<DeviceFile>::failure(to.status());
}

Status PortableDeviceSet::sendFile(int device, DeviceMemory memory, const std::string& path,
                                   const std::string& nameOnDevice, const SendProgress& progress) {
    Result<Route> to = route(device);
    return to ? to->backend->sendFile(to->device, memory, path, nameOnDevice, progress)
              : to.status();
}

Status PortableDeviceSet::deleteFile(int device, DeviceMemory memory, const std::string& stem) {
    Result<Route> to = route(device);
    return to ? to->backend->deleteFile(to->device, memory, stem) : to.status();
}

Status PortableDeviceSet::format(int device, DeviceMemory memory) {
    Result<Route> to = route(device);
    return to ? to->backend->format(to->device, memory) : to.status();
}

}  // namespace sonara::platform
