#include "core/tools/transfer/TransferSession.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "core/app/StringTable.h"
#include "core/tools/transfer/DeviceNames.h"

namespace sonara {

namespace {

constexpr std::uint64_t kMegabyte = 1048576;

// One box per kind of failure in a step: a player pulled out during a batch
// of fifty songs must not give fifty boxes.
void addOnce(std::vector<TextId>& messages, TextId message) {
    if (std::find(messages.begin(), messages.end(), message) == messages.end()) {
        messages.push_back(message);
    }
}

void addOnce(std::vector<TextId>& messages, const std::vector<TextId>& more) {
    for (TextId message : more)
        addOnce(messages, message);
}

// After the player has gone, every further call of the batch would fail too.
bool deviceGone(const Status& status) {
    return status.kind() == ErrorKind::Absent;
}

std::uint64_t listedBytes(const auto& memory) {
    std::uint64_t sum = 0;
    for (const DeviceFile& file : memory.files)
        sum += file.bytes;
    return sum;
}

std::string megabytesText(std::uint64_t bytes) {
    return formatText(TextId::TransferMegabytes, std::to_string(bytes / kMegabyte));
}

// Clears the status line however a step ends.
class StatusLine {
  public:
    explicit StatusLine(const TransferSession::StatusSink& sink) : sink_(sink) {}
    ~StatusLine() { show(std::nullopt); }
    StatusLine(const StatusLine&) = delete;
    StatusLine& operator=(const StatusLine&) = delete;
    void show(std::optional<TextId> text) const {
        if (sink_)
            sink_(text);
    }

  private:
    const TransferSession::StatusSink& sink_;
};

}  // namespace

TransferSession::TransferSession(PortableDevices& devices, StatusSink status)
    : devices_(devices), status_(std::move(status)) {}

TransferSession::Opening TransferSession::open() {
    Opening opening;
    const auto count = devices_.deviceCount();
    if (!count || count.value() < kDevice) {
        opening.messages.push_back(TextId::TransferNoneConnected);
        return opening;
    }
    if (auto name = devices_.deviceName(kDevice)) {
        deviceName_ = std::move(name.value());
    } else {
        opening.messages.push_back(TextId::TransferNameFailed);
    }
    if (!devices_.attach(kDevice)) {
        opening.messages.push_back(TextId::TransferManagerFailed);
        return opening;
    }
    opening.opened = true;
    return opening;
}

const std::string& TransferSession::deviceName() const {
    return deviceName_;
}

std::vector<TextId> TransferSession::refresh() {
    const StatusLine line(status_);
    line.show(TextId::TransferWaitRefreshing);
    if (!devices_.refreshHardware(kDevice))
        return {TextId::TransferRefreshFailed};

    line.show(TextId::TransferWaitMemory);
    const auto bytes = devices_.memoryBytes(kDevice);
    if (!bytes)
        return {TextId::TransferMemoryFailed};
    internal_ = Memory{bytes->internalTotal, bytes->internalFree, 0, {}};
    card_ = Memory{bytes->cardTotal, bytes->cardFree, 0, {}};
    refreshed_ = true;

    line.show(TextId::TransferWaitFileList);
    std::vector<TextId> messages;
    for (DeviceMemory which : {DeviceMemory::Internal, DeviceMemory::Card}) {
        addOnce(messages, list(which));
        memory(which).listedAtRefresh = listedBytes(memory(which));
    }
    return messages;
}

bool TransferSession::refreshed() const {
    return refreshed_;
}

std::vector<TextId> TransferSession::list(DeviceMemory which) {
    Memory& held = memory(which);
    held.files.clear();
    if (!present(which))
        return {};
    const auto count = devices_.fileCount(kDevice, which);
    if (!count)
        return {TextId::TransferCountFailed};
    std::vector<TextId> messages;
    for (int index = 0; index < count.value(); ++index) {
        auto file = devices_.fileInfo(kDevice, which, index);
        if (!file) {
            addOnce(messages, TextId::TransferInfoFailed);
            if (deviceGone(file.status()))
                break;
            continue;
        }
        held.files.push_back(std::move(file.value()));
    }
    return messages;
}

std::vector<TextId> TransferSession::send(DeviceMemory which, const std::vector<std::string>& paths,
                                          const SendProgress& progress) {
    const StatusLine line(status_);
    std::vector<TextId> messages;
    std::vector<std::string> sent;
    for (const std::string& path : paths) {
        line.show(TextId::TransferWaitSending);
        std::vector<std::string> taken = sent;
        for (const DeviceFile& file : files(which))
            taken.push_back(file.name);
        const std::string name = uniqueDeviceName(
            deviceSafeName(std::filesystem::path(path).filename().string()), taken);

        const Status result = devices_.sendFile(kDevice, which, path, name, progress);
        if (result) {
            sent.push_back(name);
            addOnce(messages, list(which));
            continue;
        }
        if (result.kind() == ErrorKind::Cancelled)
            break;
        addOnce(messages, TextId::TransferSendFailed);
        if (deviceGone(result))
            break;
    }
    return messages;
}

std::vector<TextId> TransferSession::remove(DeviceMemory which,
                                            const std::vector<std::size_t>& indexes) {
    std::vector<std::size_t> chosen = indexes;
    std::sort(chosen.begin(), chosen.end());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    std::vector<std::string> stems;
    for (std::size_t index : chosen) {
        if (index < files(which).size()) {
            stems.emplace_back(deviceFileStem(files(which)[index].name));
        }
    }

    std::vector<TextId> messages;
    {
        const StatusLine line(status_);
        for (const std::string& stem : stems) {
            line.show(TextId::TransferWaitDeleting);
            const Status result = devices_.deleteFile(kDevice, which, stem);
            if (result)
                continue;
            addOnce(messages, TextId::TransferDeleteFailed);
            if (deviceGone(result))
                return messages;
        }
    }
    addOnce(messages, list(which));
    return messages;
}

std::vector<TextId> TransferSession::format(DeviceMemory which) {
    std::vector<TextId> messages;
    {
        const StatusLine line(status_);
        line.show(TextId::TransferWaitFormatting);
        const Status result = devices_.format(kDevice, which);
        if (!result) {
            messages.push_back(which == DeviceMemory::Internal
                                   ? TextId::TransferFormatInternalFailed
                                   : TextId::TransferFormatCardFailed);
            if (deviceGone(result))
                return messages;
        }
    }
    addOnce(messages, list(which));
    return messages;
}

bool TransferSession::present(DeviceMemory which) const {
    return memory(which).total > 0;
}

std::uint64_t TransferSession::totalBytes(DeviceMemory which) const {
    return memory(which).total;
}

std::string TransferSession::totalText(DeviceMemory which) const {
    return megabytesText(memory(which).total);
}

std::string TransferSession::freeText(DeviceMemory which) const {
    const Memory& held = memory(which);
    const std::uint64_t listed = listedBytes(held);
    const std::uint64_t unlisted = held.total > listed ? held.total - listed : 0;
    const std::uint64_t reported = held.reportedFree + held.listedAtRefresh;
    const std::uint64_t reportedNow = reported > listed ? reported - listed : 0;
    return megabytesText(std::min(unlisted, reportedNow));
}

const std::vector<DeviceFile>& TransferSession::files(DeviceMemory which) const {
    return memory(which).files;
}

std::vector<std::string> TransferSession::fileLines(DeviceMemory which) const {
    std::vector<std::string> lines;
    for (const DeviceFile& file : files(which)) {
        lines.push_back(
            formatText(TextId::TransferFileLine, file.name, std::to_string(file.bytes)));
    }
    return lines;
}

TextId TransferSession::formatQuestion(DeviceMemory which) {
    return which == DeviceMemory::Internal ? TextId::TransferFormatInternalQuestion
                                           : TextId::TransferFormatCardQuestion;
}

TransferSession::Memory& TransferSession::memory(DeviceMemory which) {
    return which == DeviceMemory::Internal ? internal_ : card_;
}

const TransferSession::Memory& TransferSession::memory(DeviceMemory which) const {
    return which == DeviceMemory::Internal ? internal_ : card_;
}

}  // namespace sonara
