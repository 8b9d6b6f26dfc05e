#include "platform/PortableDeviceChoice.h"

#include "platform/FakePortableDevices.h"

namespace sonara {

Result<std::unique_ptr<PortableDevices>> openPortableDevices(const char* fakeSpec) {
    if (fakeSpec != nullptr) {
        Result<std::unique_ptr<FakePortableDevices>> fake = fakeDevicesFromSpec(fakeSpec);
        if (!fake) {
            return Result<std::unique_ptr<PortableDevices>>::failure(fake.status());
        }
        return std::unique_ptr<PortableDevices>(std::move(fake.value()));
    }
    // No backend reaches real players yet: none are connected.
    return std::unique_ptr<PortableDevices>(std::make_unique<FakePortableDevices>());
}

}  // namespace sonara
