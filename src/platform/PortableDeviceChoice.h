#pragma once

#include <memory>

#include "core/io/Result.h"
#include "core/tools/transfer/PortableDevices.h"

namespace sonara {

// The players the transfer dialog works on. `fakeSpec` set (the
// SONARA_FAKE_PLAYER variable) gives players held in memory as its settings
// describe them, for pictures and end-to-end runs; bad settings fail with
// the reason. Unset: the players connected to this computer.
//
// May block while the backends look for devices: call it off the
// user-interface thread. The result is used from one thread at a time.
Result<std::unique_ptr<PortableDevices>> openPortableDevices(const char* fakeSpec);

}  // namespace sonara
