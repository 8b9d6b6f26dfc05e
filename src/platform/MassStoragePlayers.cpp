#include "platform/MassStoragePlayers.h"

#include <sys/statvfs.h>

#include "platform/MountClassifier.h"
#include "platform/MountInfo.h"
#include "platform/VolumeLabels.h"

namespace sonara::platform {

namespace {

std::string lastPart(const std::string& mountPoint) {
    const size_t slash = mountPoint.find_last_of('/');
    const std::string part = slash == std::string::npos ? mountPoint : mountPoint.substr(slash + 1);
    return part.empty() ? mountPoint : part;
}

std::string kernelName(const std::string& source) {
    return source.starts_with("/dev/") ? lastPart(source) : std::string();
}

Status noCard() {
    return Status::failure(ErrorKind::Absent, "The player has no card memory");
}

}  // namespace

MassStoragePlayers::MassStoragePlayers(std::string mountInfoPath)
    : mountInfoPath_(std::move(mountInfoPath)) {}

Result<std::vector<MassStoragePlayers::Player>> MassStoragePlayers::findPlayers() const {
    auto table = readMountInfo(mountInfoPath_);
    if (!table) {
        return Result<std::vector<Player>>::failure(table.status());
    }
    std::optional<VolumeLabels> labels;
    std::vector<Player> found;
    for (const MountEntry& mount : visibleMounts(table.value())) {
        if (isPseudoFilesystem(mount.fsType) || isNetworkFilesystem(mount.fsType)) {
            continue;
        }
        auto marker = readAudioPlayerMarker(mount.mountPoint);
        if (!marker) {
            continue;
        }
        std::string name = marker->name;
        if (name.empty() && !kernelName(mount.source).empty()) {
            if (!labels) {
                labels.emplace("/dev");
            }
            name = labels->labelOf(kernelName(mount.source));
        }
        if (name.empty()) {
            name = lastPart(mount.mountPoint);
        }
        found.push_back(
            {std::move(name), PlayerStorage(mount.mountPoint, std::move(marker.value())), {}});
    }
    return found;
}

Result<int> MassStoragePlayers::deviceCount() {
    auto found = findPlayers();
    if (!found) {
        return Result<int>::failure(found.status());
    }
    players_ = std::move(found.value());
    return int(players_.size());
}

Result<MassStoragePlayers::Player*> MassStoragePlayers::player(int device) {
    if (device < 1 || size_t(device) > players_.size()) {
        return Result<Player*>::failure(ErrorKind::Invalid,
                                        "No player number " + std::to_string(device));
    }
    return &players_[size_t(device - 1)];
}

Result<MassStoragePlayers::Player*> MassStoragePlayers::internal(int device, DeviceMemory memory) {
    auto found = player(device);
    if (found && memory == DeviceMemory::Card) {
        return Result<Player*>::failure(noCard());
    }
    return found;
}

Result<std::string> MassStoragePlayers::deviceName(int device) {
    auto found = player(device);
    if (!found) {
        return Result<std::string>::failure(found.status());
    }
    return found.value()->name;
}

Status MassStoragePlayers::attach(int device) {
    auto found = player(device);
    return found ? found.value()->storage.present() : found.status();
}

Status MassStoragePlayers::refreshHardware(int device) {
    auto known = player(device);
    if (!known) {
        return known.status();
    }
    auto found = findPlayers();
    if (!found) {
        return found.status();
    }
    for (Player& now : found.value()) {
        if (now.storage.root() == known.value()->storage.root()) {
            *known.value() = std::move(now);
            return Status::success();
        }
    }
    return Status::failure(ErrorKind::Absent,
                           "The player at " + known.value()->storage.root() + " is not there");
}

Result<MemoryBytes> MassStoragePlayers::memoryBytes(int device) {
    auto found = player(device);
    if (!found) {
        return Result<MemoryBytes>::failure(found.status());
    }
    const PlayerStorage& storage = found.value()->storage;
    if (Status there = storage.present(); !there) {
        return Result<MemoryBytes>::failure(there);
    }
    struct statvfs sizes {};
    if (::statvfs(storage.root().c_str(), &sizes) != 0) {
        return Result<MemoryBytes>::failure(ErrorKind::Io, storage.root() + ": no size");
    }
    MemoryBytes bytes;
    bytes.internalTotal = std::uint64_t(sizes.f_blocks) * sizes.f_frsize;
    bytes.internalFree = std::uint64_t(sizes.f_bavail) * sizes.f_frsize;
    return bytes;
}

Result<int> MassStoragePlayers::fileCount(int device, DeviceMemory memory) {
    auto found = player(device);
    if (!found) {
        return Result<int>::failure(found.status());
    }
    Player& held = *found.value();
    held.listing.clear();
    if (memory == DeviceMemory::Card) {
        return 0;
    }
    auto files = held.storage.list();
    if (!files) {
        return Result<int>::failure(files.status());
    }
    held.listing = std::move(files.value());
    return int(held.listing.size());
}

Result<DeviceFile> MassStoragePlayers::fileInfo(int device, DeviceMemory memory, int index) {
    auto found = internal(device, memory);
    if (!found) {
        return Result<DeviceFile>::failure(found.status());
    }
    const std::vector<PlayerFile>& listing = found.value()->listing;
    if (index < 0 || size_t(index) >= listing.size()) {
        return Result<DeviceFile>::failure(ErrorKind::Invalid,
                                           "No listed file number " + std::to_string(index));
    }
    const PlayerFile& file = listing[size_t(index)];
    return DeviceFile{file.name, file.bytes};
}

Status MassStoragePlayers::sendFile(int device, DeviceMemory memory, const std::string& path,
                                    const std::string& nameOnDevice, const SendProgress& progress) {
    auto found = internal(device, memory);
    return found ? found.value()->storage.send(path, nameOnDevice, progress) : found.status();
}

Status MassStoragePlayers::deleteFile(int device, DeviceMemory memory, const std::string& stem) {
    auto found = internal(device, memory);
    return found ? found.value()->storage.remove(stem) : found.status();
}

Status MassStoragePlayers::format(int device, DeviceMemory memory) {
    auto found = internal(device, memory);
    return found ? found.value()->storage.format() : found.status();
}

}  // namespace sonara::platform
