#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/app/TextId.h"
#include "core/tools/transfer/PortableDevices.h"

namespace sonara {

// The transfer dialog's work on the first connected player: opening,
// refresh, listing, send, delete and format, with the texts to show.
//
// Thread: every step calls the device and may block, so the dialog runs the
// steps on one worker thread at a time; the getters are read on the
// user-interface thread after a step has finished. A step never shows
// anything itself: it returns the messages to show, in order, and reports
// its "Please wait ..." status through `status` (on the step's thread;
// std::nullopt clears the line).
class TransferSession {
  public:
    using StatusSink = std::function<void(std::optional<TextId>)>;

    TransferSession(PortableDevices& devices, StatusSink status);

    struct Opening {
        bool opened = false;           // false: the dialog does not open
        std::vector<TextId> messages;  // the refusal, or a name failure it went on after
    };
    // Device count, name of device 1, attach.
    Opening open();
    const std::string& deviceName() const;

    // Hardware refresh, memory sizes, then both listings.
    std::vector<TextId> refresh();
    bool refreshed() const;
    std::vector<TextId> list(DeviceMemory memory);
    // Sends each path in order under a name the device accepts and no listed
    // or just-sent file has; lists the memory again after each success.
    std::vector<TextId> send(DeviceMemory memory, const std::vector<std::string>& paths,
                             const SendProgress& progress);
    // Deletes the listed files at these indexes of files(memory), then lists
    // the memory again.
    std::vector<TextId> remove(DeviceMemory memory, const std::vector<std::size_t>& indexes);
    // Formats (after the caller's question was answered Yes), then lists again.
    std::vector<TextId> format(DeviceMemory memory);

    // A memory of 0 total bytes is absent: no list, no buttons.
    bool present(DeviceMemory memory) const;
    std::uint64_t totalBytes(DeviceMemory memory) const;
    // "%sMb" of whole megabytes (bytes / 1048576). Free is the total less the
    // listed sizes, but never more than the device itself reports free (less
    // what was sent since): a phone's music folder shares its memory with
    // everything else. Never below 0.
    std::string totalText(DeviceMemory memory) const;
    std::string freeText(DeviceMemory memory) const;
    const std::vector<DeviceFile>& files(DeviceMemory memory) const;
    // "%s   (%s bytes)" per listed file.
    std::vector<std::string> fileLines(DeviceMemory memory) const;

    static TextId formatQuestion(DeviceMemory memory);

  private:
    struct Memory {
        std::uint64_t total = 0;
        std::uint64_t reportedFree = 0;  // at the last refresh
        std::uint64_t listedAtRefresh = 0;
        std::vector<DeviceFile> files;
    };
    Memory& memory(DeviceMemory which);
    const Memory& memory(DeviceMemory which) const;

    PortableDevices& devices_;
    StatusSink status_;
    std::string deviceName_;
    bool refreshed_ = false;
    Memory internal_;
    Memory card_;
    static constexpr int kDevice = 1;
};

}  // namespace sonara
