#include "platform/PortableDeviceChoice.h"

#include "platform/FakePortableDevices.h"
#include "platform/MassStoragePlayers.h"
#include "platform/MtpDevices.h"
#include "platform/PortableDeviceSet.h"

namespace sonara {

Result<std::unique_ptr<PortableDevices>> openPortableDevices(const char* fakeSpec) {
    if (fakeSpec != nullptr) {
        Result<std::unique_ptr<FakePortableDevices>> fake = fakeDevicesFromSpec(fakeSpec);
        if (!fake) {
            return Result<std::unique_ptr<PortableDevices>>::failure(fake.status());
        }
        return std::unique_ptr<PortableDevices>(std::move(fake.value()));
    }
    // Mounted players first: they answer at once, while an MTP scan probes USB.
    std::vector<std::unique_ptr<PortableDevices>> backends;
    backends.push_back(std::make_unique<platform::MassStoragePlayers>());
    backends.push_back(std::make_unique<platform::MtpDevices>());
    return std::unique_ptr<PortableDevices>(
        std::make_unique<platform::PortableDeviceSet>(std::move(backends)));
}

}  // namespace sonara
