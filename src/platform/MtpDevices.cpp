#include "platform/MtpDevices.h"

#include <array>
#include <cstring>
#include <filesystem>
#include <optional>
#include <utility>

#include "core/tools/transfer/DeviceNames.h"
#include "platform/MtpHandles.h"
#include "platform/MtpLayout.h"
#include "platform/UsbPresence.h"

namespace sonara::platform {

namespace {

constexpr std::uint32_t kRoot = LIBMTP_FILES_AND_FOLDERS_ROOT;
// Deep enough for "Artist/Album/song.mp3" below the music folder, shallow
// enough that a phone's music folder does not take minutes to list.
constexpr int kSubfolderLevels = 3;

const char* memoryWord(DeviceMemory memory) {
    return memory == DeviceMemory::Internal ? "internal memory" : "memory card";
}

}  // namespace

// One opened device and what was last read of its two memories.
class MtpDevices::Player {
  public:
    Player(MtpDeviceHandle device, const LIBMTP_raw_device_t& raw)
        : device_(std::move(device)), bus_(raw.bus_location), devnum_(raw.devnum) {}

    bool gone() const { return gone_; }
    bool at(const LIBMTP_raw_device_t& raw) const {
        return raw.bus_location == bus_ && raw.devnum == devnum_;
    }

    std::string name() {
        std::string name = takeString(LIBMTP_Get_Friendlyname(device_.get()));
        if (name.empty()) {
            const std::string maker = takeString(LIBMTP_Get_Manufacturername(device_.get()));
            const std::string model = takeString(LIBMTP_Get_Modelname(device_.get()));
            name = maker.empty() || model.empty() ? maker + model : maker + " " + model;
        }
        LIBMTP_Clear_Errorstack(device_.get());
        return name;
    }

    Status refresh() {
        Status read = readStorages();
        if (!read) {
            return read;
        }
        if (!memories_[0].present) {
            return Status::failure(
                "The player shows no memory; a phone may have to be unlocked and set to "
                "transfer files");
        }
        for (Memory& memory : memories_) {
            if (memory.present) {
                Status found = findMusicFolder(memory);
                if (!found) {
                    return found;
                }
            }
        }
        return Status::success();
    }

    Result<MemoryBytes> memoryBytes() {
        Status read = readStorages();
        if (!read) {
            return Result<MemoryBytes>::failure(read);
        }
        MemoryBytes bytes;
        bytes.internalTotal = memories_[0].total;
        bytes.internalFree = memories_[0].free;
        bytes.cardTotal = memories_[1].total;
        bytes.cardFree = memories_[1].free;
        return bytes;
    }

    Result<int> fileCount(DeviceMemory which) {
        Result<Memory*> memory = presentMemory(which, true);
        if (!memory) {
            return memory.kind() == ErrorKind::Absent && !gone_
                       ? Result<int>(0)
                       : Result<int>::failure(memory.status());
        }
        Status listed = list(*memory.value());
        if (!listed) {
            return Result<int>::failure(listed);
        }
        return static_cast<int>(memory.value()->listing.size());
    }

    Result<DeviceFile> fileInfo(DeviceMemory which, int index) {
        const Memory& memory = memories_[static_cast<std::size_t>(which)];
        if (index < 0 || static_cast<std::size_t>(index) >= memory.listing.size()) {
            return Result<DeviceFile>::failure(
                ErrorKind::Invalid, "The " + std::string(memoryWord(which)) +
                                        " has no file number " + std::to_string(index + 1));
        }
        const MtpListedFile& file = memory.listing[static_cast<std::size_t>(index)];
        return DeviceFile{file.name, file.object.bytes};
    }

    Status send(DeviceMemory which, const std::string& path, const std::string& name,
                const SendProgress& progress);
    Status remove(DeviceMemory which, const std::string& stem);
    Status empty(DeviceMemory which);

  private:
    struct Memory {
        bool present = false;
        std::uint32_t storage = 0;
        std::uint64_t total = 0;
        std::uint64_t free = 0;
        bool folderLooked = false;
        std::optional<std::uint32_t> musicFolder;
        bool listed = false;
        std::vector<MtpListedFile> listing;
    };

    // The failure of the call just made, with libmtp's words; Absent when
    // the device has gone.
    Status failed(const std::string& what) {
        const MtpErrors errors = takeErrors(device_.get());
        if (errors.noDevice || !usbDevicePresent(bus_, devnum_)) {
            gone_ = true;
            return Status::failure(ErrorKind::Absent, what + ": the player was disconnected");
        }
        std::string text = what;
        if (errors.storageFull) {
            text += ": the memory is full";
        }
        if (!errors.text.empty()) {
            text += " (" + errors.text + ")";
        }
        return Status::failure(errors.storageFull ? ErrorKind::Io : ErrorKind::Other, text);
    }

    Result<Memory*> presentMemory(DeviceMemory which, bool needsFolderLook) {
        if (!storagesRead_) {
            Status read = readStorages();
            if (!read) {
                return Result<Memory*>::failure(read);
            }
        }
        Memory& memory = memories_[static_cast<std::size_t>(which)];
        if (!memory.present) {
            return Result<Memory*>::failure(ErrorKind::Absent,
                                            "The player has no " + std::string(memoryWord(which)));
        }
        if (needsFolderLook && !memory.folderLooked) {
            Status found = findMusicFolder(memory);
            if (!found) {
                return Result<Memory*>::failure(found);
            }
        }
        return &memory;
    }

    Status readStorages() {
        LIBMTP_Clear_Errorstack(device_.get());
        if (LIBMTP_Get_Storage(device_.get(), LIBMTP_STORAGE_SORTBY_NOTSORTED) < 0) {
            return failed("Could not read the player's memories");
        }
        std::size_t index = 0;
        for (const LIBMTP_devicestorage_t* storage = device_->storage;
             storage != nullptr && index < memories_.size(); storage = storage->next, ++index) {
            Memory& memory = memories_[index];
            if (!memory.present || memory.storage != storage->id) {
                memory = Memory{};
                memory.present = true;
                memory.storage = storage->id;
            }
            memory.total = storage->MaxCapacity;
            memory.free = storage->FreeSpaceInBytes;
        }
        for (; index < memories_.size(); ++index) {
            memories_[index] = Memory{};
        }
        storagesRead_ = true;
        return Status::success();
    }

    Result<std::vector<MtpObject>> children(std::uint32_t storage, std::uint32_t folder) {
        LIBMTP_Clear_Errorstack(device_.get());
        MtpFileList list(LIBMTP_Get_Files_And_Folders(device_.get(), storage, folder));
        // An empty folder and a failure both give no list; only the error
        // stack tells them apart.
        if (!list && LIBMTP_Get_Errorstack(device_.get()) != nullptr) {
            return Result<std::vector<MtpObject>>::failure(failed("Could not list a folder"));
        }
        return objectsOf(list.get());
    }

    Status findMusicFolder(Memory& memory) {
        std::optional<MtpObject> defaultFolder;
        const std::uint32_t id = device_->default_music_folder;
        if (id != 0 && id != kRoot) {
            MtpFileList about(LIBMTP_Get_Filemetadata(device_.get(), id));
            if (about) {
                defaultFolder = objectsOf(about.get()).front();
            }
        }
        Result<std::vector<MtpObject>> topLevel = children(memory.storage, kRoot);
        if (!topLevel) {
            return topLevel.status();
        }
        memory.musicFolder = chooseMusicFolder(memory.storage, defaultFolder, topLevel.value());
        memory.folderLooked = true;
        memory.listed = false;
        memory.listing.clear();
        return Status::success();
    }

    Result<MtpFolderTree> walk(const Memory& memory) {
        if (!memory.musicFolder) {
            return MtpFolderTree{};
        }
        const std::uint32_t storage = memory.storage;
        return walkFolder(
            *memory.musicFolder, kSubfolderLevels,
            [this, storage](std::uint32_t folder) { return children(storage, folder); });
    }

    Status list(Memory& memory) {
        Result<MtpFolderTree> tree = walk(memory);
        if (!tree) {
            return tree.status();
        }
        memory.listing = std::move(tree.value().files);
        memory.listed = true;
        return Status::success();
    }

    Status ensureMusicFolder(Memory& memory);
    std::string removePartial(const Memory& memory, std::uint32_t sentId, const std::string& name,
                              std::uint64_t bytes);
    Status deleteObject(std::uint32_t id, const std::string& what) {
        LIBMTP_Clear_Errorstack(device_.get());
        if (LIBMTP_Delete_Object(device_.get(), id) != 0) {
            return failed(what);
        }
        return Status::success();
    }

    MtpDeviceHandle device_;
    std::uint32_t bus_;
    std::uint8_t devnum_;
    bool gone_ = false;
    bool storagesRead_ = false;
    std::array<Memory, 2> memories_{};
};

Status MtpDevices::Player::ensureMusicFolder(Memory& memory) {
    if (memory.musicFolder) {
        return Status::success();
    }
    // Look again first: another program may have made it since.
    Status found = findMusicFolder(memory);
    if (!found || memory.musicFolder) {
        return found;
    }
    char name[] = "Music";
    LIBMTP_Clear_Errorstack(device_.get());
    const std::uint32_t made = LIBMTP_Create_Folder(device_.get(), name, kRoot, memory.storage);
    if (made == 0) {
        return failed("Could not make the folder \"Music\" on the player");
    }
    memory.musicFolder = made;
    return Status::success();
}

// MTP cannot send under a temporary name and rename on every device, so a
// failed send is undone by deleting what it made. Returns what could not be
// undone, for the failure's text.
std::string MtpDevices::Player::removePartial(const Memory& memory, std::uint32_t sentId,
                                              const std::string& name, std::uint64_t bytes) {
    if (gone_) {
        return "; part of it may be left on the player";
    }
    std::vector<std::uint32_t> doomed;
    if (sentId != 0) {
        doomed.push_back(sentId);
    } else {
        Result<std::vector<MtpObject>> present = children(memory.storage, *memory.musicFolder);
        if (!present) {
            return "; part of it may be left on the player";
        }
        for (const MtpObject& object : present.value()) {
            if (!object.folder && object.bytes == bytes && sameDeviceName(object.name, name)) {
                doomed.push_back(object.id);
            }
        }
    }
    for (std::uint32_t id : doomed) {
        if (!deleteObject(id, "Could not delete the partly sent file")) {
            return "; part of it is left on the player";
        }
    }
    return {};
}

Status MtpDevices::Player::send(DeviceMemory which, const std::string& path,
                                const std::string& name, const SendProgress& progress) {
    if (name.empty() || name.find('/') != std::string::npos) {
        return Status::failure(ErrorKind::Invalid, "\"" + name + "\" is not a file name");
    }
    std::error_code error;
    const std::uint64_t bytes = std::filesystem::file_size(path, error);
    if (error) {
        return Status::failure(ErrorKind::Io, "Could not read " + path + ": " + error.message());
    }
    Result<Memory*> found = presentMemory(which, true);
    if (!found) {
        return found.status();
    }
    Memory& memory = *found.value();
    for (const MtpListedFile& listed : memory.listing) {
        if (sameDeviceName(listed.name, name)) {
            return Status::failure(ErrorKind::Invalid, "\"" + name + "\" is already on the player");
        }
    }
    Status folder = ensureMusicFolder(memory);
    if (!folder) {
        return folder;
    }

    MtpFile file(LIBMTP_new_file_t());
    if (!file || (file->filename = strdup(name.c_str())) == nullptr) {
        return Status::failure("Out of memory sending \"" + name + "\"");
    }
    file->filesize = bytes;
    file->filetype = libmtpType(audioTypeOf(name));
    file->parent_id = *memory.musicFolder;
    file->storage_id = memory.storage;
    MtpSendWatch watch{&progress};
    LIBMTP_Clear_Errorstack(device_.get());
    const int sent = LIBMTP_Send_File_From_File(device_.get(), path.c_str(), file.get(),
                                                reportSendProgress, &watch);
    if (sent == 0 && !watch.cancelled && !watch.threw) {
        memory.listing.push_back({name, MtpObject{file->item_id, file->parent_id, file->storage_id,
                                                  name, bytes, false}});
        return Status::success();
    }

    Status why = Status::success();
    if (watch.cancelled) {
        LIBMTP_Clear_Errorstack(device_.get());
        why = Status::failure(ErrorKind::Cancelled, "The send of \"" + name + "\" was cancelled");
    } else if (watch.threw) {
        LIBMTP_Clear_Errorstack(device_.get());
        why = Status::failure("The send of \"" + name + "\" stopped on a progress failure");
    } else {
        why = failed("Could not send \"" + name + "\"");
    }
    const std::string left = removePartial(memory, file->item_id, name, bytes);
    return left.empty() ? why : Status::failure(why.kind(), why.error() + left);
}

Status MtpDevices::Player::remove(DeviceMemory which, const std::string& stem) {
    Result<Memory*> found = presentMemory(which, true);
    if (!found) {
        return found.status();
    }
    Memory& memory = *found.value();
    if (!memory.listed) {
        Status listed = list(memory);
        if (!listed) {
            return listed;
        }
    }
    std::vector<std::size_t> matches;
    for (std::size_t i = 0; i < memory.listing.size(); ++i) {
        if (deviceFileStem(memory.listing[i].name) == stem) {
            matches.push_back(i);
        }
    }
    if (matches.size() != 1) {
        // Two files that differ only in their extension: deleting either
        // would be a guess.
        return Status::failure(ErrorKind::Invalid, matches.empty()
                                                       ? "No file \"" + stem + "\" is on the player"
                                                       : "More than one file is named \"" + stem +
                                                             "\"; none was deleted");
    }
    const MtpListedFile& file = memory.listing[matches.front()];
    Status deleted = deleteObject(file.object.id, "Could not delete \"" + file.name + "\"");
    if (deleted) {
        memory.listing.erase(memory.listing.begin() + static_cast<std::ptrdiff_t>(matches.front()));
    }
    return deleted;
}

Status MtpDevices::Player::empty(DeviceMemory which) {
    Result<Memory*> found = presentMemory(which, true);
    if (!found) {
        return found.status();
    }
    Memory& memory = *found.value();
    Result<MtpFolderTree> tree = walk(memory);
    if (!tree) {
        return tree.status();
    }
    memory.listed = false;
    memory.listing.clear();
    Status first = Status::success();
    for (const MtpListedFile& file : tree.value().files) {
        Status deleted = deleteObject(file.object.id, "Could not delete \"" + file.name + "\"");
        if (!deleted && gone_) {
            return deleted;
        }
        if (!deleted && first) {
            first = deleted;
        }
    }
    // Some devices delete a folder with all it holds, so a folder goes only
    // when it is seen to be empty.
    for (std::uint32_t folder : tree.value().foldersDeepestFirst) {
        Result<std::vector<MtpObject>> left = children(memory.storage, folder);
        if (!left && gone_) {
            return left.status();
        }
        if (left && left.value().empty()) {
            Status deleted = deleteObject(folder, "Could not delete a folder");
            if (!deleted && first) {
                first = deleted;
            }
        }
    }
    return first;
}

struct MtpDevices::Slot {
    LIBMTP_raw_device_t raw{};
    std::unique_ptr<Player> player;
};

MtpDevices::MtpDevices() {
    initMtpOnce();
}

MtpDevices::~MtpDevices() = default;

Result<int> MtpDevices::deviceCount() {
    LIBMTP_raw_device_t* found = nullptr;
    int count = 0;
    const LIBMTP_error_number_t error = LIBMTP_Detect_Raw_Devices(&found, &count);
    MtpRawDevices owned(found);
    counted_ = true;
    std::vector<std::unique_ptr<Slot>> slots;
    if (error == LIBMTP_ERROR_NONE && found != nullptr) {
        for (int i = 0; i < count; ++i) {
            auto slot = std::make_unique<Slot>();
            slot->raw = found[i];
            for (std::unique_ptr<Slot>& old : slots_) {
                if (old->player && !old->player->gone() && old->player->at(slot->raw)) {
                    slot->player = std::move(old->player);
                }
            }
            slots.push_back(std::move(slot));
        }
    }
    slots_ = std::move(slots);
    if (error == LIBMTP_ERROR_NONE || error == LIBMTP_ERROR_NO_DEVICE_ATTACHED) {
        return static_cast<int>(slots_.size());
    }
    return Result<int>::failure(ErrorKind::Absent, "Could not look for MTP players (USB error)");
}

Result<MtpDevices::Slot*> MtpDevices::slot(int device) {
    if (!counted_) {
        Result<int> counted = deviceCount();
        if (!counted) {
            return Result<Slot*>::failure(counted.status());
        }
    }
    if (device < 1 || static_cast<std::size_t>(device) > slots_.size()) {
        return Result<Slot*>::failure(ErrorKind::Absent,
                                      "No MTP player number " + std::to_string(device));
    }
    return slots_[static_cast<std::size_t>(device - 1)].get();
}

Result<MtpDevices::Player*> MtpDevices::openedPlayer(int device) {
    Result<Slot*> found = slot(device);
    if (!found) {
        return Result<Player*>::failure(found.status());
    }
    Slot& slot = *found.value();
    if (slot.player && slot.player->gone()) {
        return Result<Player*>::failure(ErrorKind::Absent, "The player was disconnected");
    }
    if (!slot.player) {
        MtpDeviceHandle opened(LIBMTP_Open_Raw_Device_Uncached(&slot.raw));
        if (!opened) {
            const bool present = usbDevicePresent(slot.raw.bus_location, slot.raw.devnum);
            return Result<Player*>::failure(
                present ? ErrorKind::Other : ErrorKind::Absent,
                present ? "Could not open the player; another program may be using it"
                        : "The player was disconnected");
        }
        slot.player = std::make_unique<Player>(std::move(opened), slot.raw);
    }
    return slot.player.get();
}

Result<std::string> MtpDevices::deviceName(int device) {
    Result<Player*> player = openedPlayer(device);
    if (!player) {
        return Result<std::string>::failure(player.status());
    }
    std::string name = player.value()->name();
    if (name.empty()) {
        const LIBMTP_device_entry_t& entry =
            slots_[static_cast<std::size_t>(device - 1)]->raw.device_entry;
        name = entry.vendor != nullptr ? entry.vendor : "";
        if (entry.product != nullptr) {
            name += (name.empty() ? "" : " ") + std::string(entry.product);
        }
    }
    if (name.empty()) {
        return Result<std::string>::failure("The player gives no name");
    }
    return name;
}

Status MtpDevices::attach(int device) {
    return openedPlayer(device).status();
}

Status MtpDevices::refreshHardware(int device) {
    Result<Player*> player = openedPlayer(device);
    return player ? player.value()->refresh() : player.status();
}

Result<MemoryBytes> MtpDevices::memoryBytes(int device) {
    Result<Player*> player = openedPlayer(device);
    return player ? player.value()->memoryBytes() : Result<MemoryBytes>::failure(player.status());
}

Result<int> MtpDevices::fileCount(int device, DeviceMemory memory) {
    Result<Player*> player = openedPlayer(device);
    return player ? player.value()->fileCount(memory) : Result<int>::failure(player.status());
}

Result<DeviceFile> MtpDevices::fileInfo(int device, DeviceMemory memory, int index) {
    Result<Player*> player = openedPlayer(device);
    return player ? player.value()->fileInfo(memory, index)
                  : Result<DeviceFile>::failure(player.status());
}

Status MtpDevices::sendFile(int device, DeviceMemory memory, const std::string& path,
                            const std::string& nameOnDevice, const SendProgress& progress) {
    Result<Player*> player = openedPlayer(device);
    return player ? player.value()->send(memory, path, nameOnDevice, progress) : player.status();
}

Status MtpDevices::deleteFile(int device, DeviceMemory memory, const std::string& stem) {
    Result<Player*> player = openedPlayer(device);
    return player ? player.value()->remove(memory, stem) : player.status();
}

Status MtpDevices::format(int device, DeviceMemory memory) {
    Result<Player*> player = openedPlayer(device);
    return player ? player.value()->empty(memory) : player.status();
}

}  // namespace sonara::platform
