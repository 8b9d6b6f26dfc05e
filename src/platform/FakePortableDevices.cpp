#include "platform/FakePortableDevices.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <system_error>
#include <utility>

#include "core/tools/transfer/DeviceNames.h"

namespace sonara {

namespace {

constexpr std::uint64_t kMegabyte = 1048576;

struct OperationName {
    FakePortableDevices::Operation operation;
    std::string_view name;
};

constexpr OperationName kOperationNames[] = {
    {FakePortableDevices::Operation::Create, "create"},
    {FakePortableDevices::Operation::Count, "count"},
    {FakePortableDevices::Operation::Name, "name"},
    {FakePortableDevices::Operation::Attach, "attach"},
    {FakePortableDevices::Operation::Refresh, "refresh"},
    {FakePortableDevices::Operation::Memory, "memory"},
    {FakePortableDevices::Operation::FileCount, "filecount"},
    {FakePortableDevices::Operation::FileInfo, "fileinfo"},
    {FakePortableDevices::Operation::Send, "send"},
    {FakePortableDevices::Operation::Delete, "delete"},
    {FakePortableDevices::Operation::Format, "format"},
};

std::size_t slot(FakePortableDevices::Operation operation) {
    return static_cast<std::size_t>(operation);
}

std::string_view nameOf(FakePortableDevices::Operation operation) {
    for (const auto& entry : kOperationNames) {
        if (entry.operation == operation)
            return entry.name;
    }
    return "operation";
}

}  // namespace

FakePortableDevices::FakePortableDevices(std::vector<Player> players)
    : players_(std::move(players)) {}

void FakePortableDevices::failNext(Operation operation, int times) {
    failCounts_[slot(operation)] = std::max(0, times);
}

void FakePortableDevices::failAlways(Operation operation, bool fail) {
    failAlways_[slot(operation)] = fail;
}

bool FakePortableDevices::failsAlways(Operation operation) const {
    return failAlways_[slot(operation)];
}

void FakePortableDevices::unplugDuringNextSend() {
    unplugNextSend_ = true;
}

const std::vector<DeviceFile>& FakePortableDevices::filesOf(int device, DeviceMemory memory) const {
    static const std::vector<DeviceFile> none;
    if (device < 1 || device > static_cast<int>(players_.size()))
        return none;
    const Player& p = players_[static_cast<std::size_t>(device - 1)];
    return memory == DeviceMemory::Internal ? p.internalFiles : p.cardFiles;
}

Status FakePortableDevices::injected(Operation operation) {
    if (unplugged_)
        return Status::failure(ErrorKind::Absent, "the player was disconnected");
    const std::string what = "injected " + std::string(nameOf(operation)) + " failure";
    if (failAlways_[slot(operation)])
        return Status::failure(ErrorKind::Device, what);
    int& count = failCounts_[slot(operation)];
    if (count > 0) {
        --count;
        return Status::failure(ErrorKind::Device, what);
    }
    return Status::success();
}

Result<FakePortableDevices::Player*> FakePortableDevices::player(int device) {
    if (device < 1 || device > static_cast<int>(players_.size())) {
        return Result<Player*>::failure(ErrorKind::Absent,
                                        "no player number " + std::to_string(device));
    }
    return &players_[static_cast<std::size_t>(device - 1)];
}

Result<std::vector<DeviceFile>*> FakePortableDevices::memoryFiles(int device, DeviceMemory memory) {
    auto p = player(device);
    if (!p)
        return Result<std::vector<DeviceFile>*>::failure(p.status());
    Player& found = *p.value();
    const bool internal = memory == DeviceMemory::Internal;
    if ((internal ? found.internalTotal : found.cardTotal) == 0) {
        return Result<std::vector<DeviceFile>*>::failure(ErrorKind::Invalid,
                                                         "the player has no such memory");
    }
    return internal ? &found.internalFiles : &found.cardFiles;
}

Result<std::vector<DeviceFile>*> FakePortableDevices::reachableFiles(Operation operation,
                                                                     int device,
                                                                     DeviceMemory memory) {
    if (auto failed = injected(operation); !failed) {
        return Result<std::vector<DeviceFile>*>::failure(failed);
    }
    return memoryFiles(device, memory);
}

std::uint64_t FakePortableDevices::used(const std::vector<DeviceFile>& files) {
    std::uint64_t sum = 0;
    for (const auto& file : files)
        sum += file.bytes;
    return sum;
}

Result<int> FakePortableDevices::deviceCount() {
    if (auto failed = injected(Operation::Count); !failed) {
        // Once pulled out, the player is simply not there any more.
        if (unplugged_)
            return 0;
        return Result<int>::failure(failed);
    }
    return static_cast<int>(players_.size());
}

Result<std::string> FakePortableDevices::deviceName(int device) {
    if (auto failed = injected(Operation::Name); !failed)
        return Result<std::string>::failure(failed);
    auto p = player(device);
    if (!p)
        return Result<std::string>::failure(p.status());
    return p.value()->name;
}

Status FakePortableDevices::attach(int device) {
    if (auto failed = injected(Operation::Attach); !failed)
        return failed;
    return player(device).status();
}

Status FakePortableDevices::refreshHardware(int device) {
    if (auto failed = injected(Operation::Refresh); !failed)
        return failed;
    return player(device).status();
}

Result<MemoryBytes> FakePortableDevices::memoryBytes(int device) {
    if (auto failed = injected(Operation::Memory); !failed)
        return Result<MemoryBytes>::failure(failed);
    auto p = player(device);
    if (!p)
        return Result<MemoryBytes>::failure(p.status());
    const Player& found = *p.value();
    MemoryBytes bytes;
    bytes.internalTotal = found.internalTotal;
    const std::uint64_t internalUsed = used(found.internalFiles) + found.internalOther;
    bytes.internalFree = found.internalTotal - std::min(found.internalTotal, internalUsed);
    bytes.cardTotal = found.cardTotal;
    bytes.cardFree = found.cardTotal - std::min(found.cardTotal, used(found.cardFiles));
    return bytes;
}

Result<int> FakePortableDevices::fileCount(int device, DeviceMemory memory) {
    auto files = reachableFiles(Operation::FileCount, device, memory);
    if (!files)
        return Result<int>::failure(files.status());
    return static_cast<int>(files.value()->size());
}

Result<DeviceFile> FakePortableDevices::fileInfo(int device, DeviceMemory memory, int index) {
    auto files = reachableFiles(Operation::FileInfo, device, memory);
    if (!files)
        return Result<DeviceFile>::failure(files.status());
    if (index < 0 || index >= static_cast<int>(files.value()->size())) {
        return Result<DeviceFile>::failure(ErrorKind::Invalid,
                                           "no file number " + std::to_string(index));
    }
    return (*files.value())[static_cast<std::size_t>(index)];
}

Status FakePortableDevices::sendFile(int device, DeviceMemory memory, const std::string& path,
                                     const std::string& nameOnDevice,
                                     const SendProgress& progress) {
    sentNames_.push_back(nameOnDevice);
    auto files = reachableFiles(Operation::Send, device, memory);
    if (!files)
        return files.status();
    std::vector<DeviceFile>& held = *files.value();

    std::error_code error;
    const std::uint64_t size = std::filesystem::file_size(path, error);
    if (error)
        return Status::failure(ErrorKind::Io, path + ": " + error.message());
    if (std::any_of(held.begin(), held.end(), [&](const DeviceFile& file) {
            return sameDeviceName(file.name, nameOnDevice);
        })) {
        return Status::failure(ErrorKind::Invalid, nameOnDevice + " is already on the player");
    }
    const Player& owner = *player(device).value();
    const std::uint64_t total =
        memory == DeviceMemory::Internal ? owner.internalTotal : owner.cardTotal;
    const std::uint64_t other = memory == DeviceMemory::Internal ? owner.internalOther : 0;
    if (used(held) + other + size > total) {
        return Status::failure(ErrorKind::Io, "not enough room on the player for " + nameOnDevice);
    }

    constexpr std::uint64_t kSteps = 4;
    for (std::uint64_t step = 1; step <= kSteps; ++step) {
        if (unplugNextSend_ && step > kSteps / 2) {
            unplugNextSend_ = false;
            unplugged_ = true;
            return Status::failure(ErrorKind::Absent, "the player was disconnected");
        }
        if (progress && !progress(size * step / kSteps, size)) {
            return Status::failure(ErrorKind::Cancelled, "cancelled");
        }
    }
    held.push_back({nameOnDevice, size});
    return Status::success();
}

Status FakePortableDevices::deleteFile(int device, DeviceMemory memory, const std::string& stem) {
    deletedStems_.push_back(stem);
    auto files = reachableFiles(Operation::Delete, device, memory);
    if (!files)
        return files.status();
    std::vector<DeviceFile>& held = *files.value();
    const auto found = std::find_if(held.begin(), held.end(), [&](const DeviceFile& file) {
        return deviceFileStem(file.name) == stem;
    });
    if (found == held.end())
        return Status::failure(ErrorKind::Invalid, stem + " is not on the player");
    held.erase(found);
    return Status::success();
}

Status FakePortableDevices::format(int device, DeviceMemory memory) {
    auto files = reachableFiles(Operation::Format, device, memory);
    if (!files)
        return files.status();
    files.value()->clear();
    return Status::success();
}

namespace {

using Fakes = Result<std::unique_ptr<FakePortableDevices>>;

Result<std::uint64_t> parseNumber(std::string_view key, std::string_view text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        value > 1'000'000) {
        return Result<std::uint64_t>::failure(
            ErrorKind::Invalid, "fake players: " + std::string(key) +
                                    " wants a whole number, not \"" + std::string(text) + "\"");
    }
    return value;
}

std::vector<DeviceFile> plausibleSongs(std::uint64_t count) {
    static constexpr std::string_view kArtists[] = {"Ada Park", "Blue Harbour", "Cold Lanterns",
                                                    "Dara Moss", "Evening Static"};
    std::vector<DeviceFile> songs;
    for (std::uint64_t k = 1; k <= count; ++k) {
        const std::string artist(kArtists[(k - 1) % std::size(kArtists)]);
        // 3 MB and up to just under 6 MB, varied but the same on every run.
        const std::uint64_t bytes = 3 * kMegabyte + (k * 1'234'567) % (3 * kMegabyte);
        songs.push_back({artist + " - Song " + std::to_string(k) + ".mp3", bytes});
    }
    return songs;
}

}  // namespace

Fakes fakeDevicesFromSpec(std::string_view spec) {
    using Operation = FakePortableDevices::Operation;
    std::uint64_t devices = 1;
    std::uint64_t files = 0;
    FakePortableDevices::Player model;
    model.internalTotal = 64 * kMegabyte;
    std::vector<Operation> failing;
    bool unplug = false;

    while (!spec.empty()) {
        const std::size_t comma = spec.find(',');
        const std::string_view item = spec.substr(0, comma);
        spec = comma == std::string_view::npos ? std::string_view() : spec.substr(comma + 1);
        if (item.empty())
            continue;
        const std::size_t equals = item.find('=');
        if (equals == std::string_view::npos) {
            return Fakes::failure(ErrorKind::Invalid,
                                  "fake players: \"" + std::string(item) + "\" is not key=value");
        }
        const std::string_view key = item.substr(0, equals);
        const std::string_view value = item.substr(equals + 1);
        if (key == "name") {
            model.name = std::string(value);
        } else if (key == "devices" || key == "files" || key == "internal" || key == "card") {
            auto number = parseNumber(key, value);
            if (!number)
                return Fakes::failure(number.status());
            if (key == "devices")
                devices = number.value();
            if (key == "files")
                files = number.value();
            if (key == "internal")
                model.internalTotal = number.value() * kMegabyte;
            if (key == "card")
                model.cardTotal = number.value() * kMegabyte;
        } else if (key == "fail") {
            std::string_view names = value;
            while (!names.empty()) {
                const std::size_t plus = names.find('+');
                const std::string_view name = names.substr(0, plus);
                names =
                    plus == std::string_view::npos ? std::string_view() : names.substr(plus + 1);
                const auto known =
                    std::find_if(std::begin(kOperationNames), std::end(kOperationNames),
                                 [&](const OperationName& entry) { return entry.name == name; });
                if (known == std::end(kOperationNames)) {
                    return Fakes::failure(ErrorKind::Invalid, "fake players: no operation \"" +
                                                                  std::string(name) + "\" to fail");
                }
                failing.push_back(known->operation);
            }
        } else if (key == "unplug") {
            if (value != "send") {
                return Fakes::failure(
                    ErrorKind::Invalid,
                    "fake players: unplug only knows \"send\", not \"" + std::string(value) + "\"");
            }
            unplug = true;
        } else {
            return Fakes::failure(ErrorKind::Invalid,
                                  "fake players: unknown setting \"" + std::string(key) + "\"");
        }
    }

    if (std::find(failing.begin(), failing.end(), Operation::Create) != failing.end()) {
        return Fakes::failure(ErrorKind::Device, "fake players: injected create failure");
    }
    model.internalFiles = plausibleSongs(files);
    std::uint64_t songBytes = 0;
    for (const auto& song : model.internalFiles)
        songBytes += song.bytes;
    if (songBytes > model.internalTotal) {
        return Fakes::failure(ErrorKind::Invalid, "fake players: " + std::to_string(files) +
                                                      " files do not fit in the internal memory");
    }

    auto fakes = std::make_unique<FakePortableDevices>(
        std::vector<FakePortableDevices::Player>(static_cast<std::size_t>(devices), model));
    for (Operation operation : failing)
        fakes->failAlways(operation);
    if (unplug)
        fakes->unplugDuringNextSend();
    return fakes;
}

}  // namespace sonara
