#pragma once

#include <libmtp.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "core/tools/transfer/PortableDevices.h"
#include "platform/MtpLayout.h"

namespace sonara::platform {

// Owners of what libmtp hands out, so that nothing it allocates outlives the
// call that asked for it. Only the MTP backend includes this header.

// Starts libmtp once per process; safe to call from every constructor.
void initMtpOnce();

struct MtpDeviceRelease {
    void operator()(LIBMTP_mtpdevice_t* device) const { LIBMTP_Release_Device(device); }
};
using MtpDeviceHandle = std::unique_ptr<LIBMTP_mtpdevice_t, MtpDeviceRelease>;

// A whole list linked through `next`.
struct MtpFileListRelease {
    void operator()(LIBMTP_file_t* file) const;
};
using MtpFileList = std::unique_ptr<LIBMTP_file_t, MtpFileListRelease>;

// One file record, with the name it owns.
struct MtpFileRelease {
    void operator()(LIBMTP_file_t* file) const { LIBMTP_destroy_file_t(file); }
};
using MtpFile = std::unique_ptr<LIBMTP_file_t, MtpFileRelease>;

// Strings and arrays libmtp allocates with malloc.
struct MtpMallocRelease {
    void operator()(void* memory) const { std::free(memory); }
};
using MtpString = std::unique_ptr<char, MtpMallocRelease>;
using MtpRawDevices = std::unique_ptr<LIBMTP_raw_device_t, MtpMallocRelease>;

LIBMTP_filetype_t libmtpType(MtpAudioType type);

// What a send's progress callback saw. `progress` must outlive the send.
struct MtpSendWatch {
    const SendProgress* progress = nullptr;
    bool cancelled = false;
    bool threw = false;
};
// The progress callback for sends, with an MtpSendWatch as its data: asks
// to stop when the watch's progress says false or throws.
int reportSendProgress(std::uint64_t const sent, std::uint64_t const total, void const* data);

// The copied text of a libmtp string ("" for none), which is then freed.
std::string takeString(char* text);

// The objects of one list, copied out of libmtp's structures.
std::vector<MtpObject> objectsOf(const LIBMTP_file_t* list);

// What the device's error stack held; reading it empties it.
struct MtpErrors {
    std::string text;  // the messages joined by "; ", empty when there were none
    bool noDevice = false;
    bool storageFull = false;
    bool cancelled = false;
    bool any() const { return !text.empty() || noDevice || storageFull || cancelled; }
};
MtpErrors takeErrors(LIBMTP_mtpdevice_t* device);

}  // namespace sonara::platform
