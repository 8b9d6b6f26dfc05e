#include "platform/PlayerStorage.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <memory>
#include <random>
#include <set>

#include "core/tools/rename/SafeRename.h"
#include "core/tools/transfer/DeviceNames.h"
#include "platform/UniqueFd.h"

namespace sonara::platform {

namespace {

constexpr int kDeepestSearch = 32;
constexpr size_t kCopyChunk = 4 * 1024 * 1024;
constexpr const char* kTemporaryPrefix = ".sonara-partial-";

bool hasAudioExtension(const std::string& name) {
    static constexpr std::array<std::string_view, 6> kExtensions{".mp3", ".ogg", ".flac",
                                                                 ".m4a", ".wma", ".wav"};
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0) {
        return false;
    }
    std::string extension = name.substr(dot);
    for (char& c : extension) {
        if (c >= 'A' && c <= 'Z') {
            c = char(c - 'A' + 'a');
        }
    }
    return std::find(kExtensions.begin(), kExtensions.end(), extension) != kExtensions.end();
}

std::string joined(const std::string& folder, const std::string& name) {
    return folder.empty() ? name : folder + "/" + name;
}

std::string errorText(int error) {
    return std::strerror(error);
}

UniqueFd openDirectoryAt(int at, const char* name) {
    return UniqueFd(::openat(at, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

// Opens a root-relative folder one part at a time, never through a link;
// with `create`, makes the parts that are missing. -1 with errno on failure.
UniqueFd openFolder(int rootFd, const std::string& folder, bool create) {
    UniqueFd current(::dup(rootFd));
    size_t start = 0;
    while (current.valid() && start < folder.size()) {
        const size_t slash = std::min(folder.find('/', start), folder.size());
        const std::string part = folder.substr(start, slash - start);
        start = slash + 1;
        UniqueFd next = openDirectoryAt(current.get(), part.c_str());
        if (!next.valid() && errno == ENOENT && create) {
            if (::mkdirat(current.get(), part.c_str(), 0755) != 0 && errno != EEXIST) {
                return UniqueFd();
            }
            next = openDirectoryAt(current.get(), part.c_str());
        }
        if (!next.valid()) {
            return UniqueFd();
        }
        current = std::move(next);
    }
    return current;
}

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

// A temporary file that is removed unless kept.
class TemporaryFile {
  public:
    TemporaryFile(int folderFd, std::string name) : folderFd_(folderFd), name_(std::move(name)) {}
    ~TemporaryFile() {
        if (!kept_) {
            ::unlinkat(folderFd_, name_.c_str(), 0);
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    void keep() { kept_ = true; }
    const std::string& name() const { return name_; }

  private:
    int folderFd_;
    std::string name_;
    bool kept_ = false;
};

// Creates a new hidden temporary file in the folder; -1 with errno when none
// could be made.
UniqueFd createTemporary(int folderFd, std::string& name) {
    std::random_device seed;
    std::mt19937 random(seed());
    static constexpr char kDigits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 64; ++attempt) {
        name = kTemporaryPrefix;
        for (int i = 0; i < 6; ++i) {
            name += kDigits[random() % (sizeof kDigits - 1)];
        }
        UniqueFd fd(::openat(folderFd, name.c_str(),
                             O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
        if (fd.valid() || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return UniqueFd();
}

// Moves up to `count` bytes with the fastest call the two files allow:
// copy_file_range, then sendfile, then read and write. Returns the bytes
// moved, 0 at the end of the source, -1 with errno.
class ChunkCopier {
  public:
    ssize_t copy(int in, int out, size_t count) {
        if (way_ == Way::Range) {
            const ssize_t moved = ::copy_file_range(in, nullptr, out, nullptr, count, 0);
            if (moved >= 0 || !fallBackOn(errno)) {
                return moved;
            }
            way_ = Way::Sendfile;
        }
        if (way_ == Way::Sendfile) {
            const ssize_t moved = ::sendfile(out, in, nullptr, count);
            if (moved >= 0 || !fallBackOn(errno)) {
                return moved;
            }
            way_ = Way::ReadWrite;
        }
        return readWrite(in, out, count);
    }

  private:
    enum class Way { Range, Sendfile, ReadWrite };

    // Errors that mean "not between these files", before any byte moved.
    static bool fallBackOn(int error) {
        return error == EXDEV || error == ENOSYS || error == EINVAL || error == EOPNOTSUPP;
    }

    ssize_t readWrite(int in, int out, size_t count) {
        if (!buffer_) {
            buffer_ = std::make_unique<char[]>(kBuffer);
        }
        const ssize_t got = ::read(in, buffer_.get(), std::min(count, kBuffer));
        if (got <= 0) {
            return got;
        }
        for (ssize_t written = 0; written < got;) {
            const ssize_t put = ::write(out, buffer_.get() + written, size_t(got - written));
            if (put < 0) {
                return -1;
            }
            written += put;
        }
        return got;
    }

    static constexpr size_t kBuffer = 1024 * 1024;
    Way way_ = Way::Range;
    std::unique_ptr<char[]> buffer_;
};

}  // namespace

struct PlayerStorage::Walk {
    std::vector<PlayerFile> files;
    // Subfolders below the audio folders, each before the ones inside it.
    std::vector<std::string> folders;
};

namespace {

struct WalkState {
    std::set<std::string> seen;
    std::vector<PlayerFile>* files;
    std::vector<std::string>* folders;
};

// Adds the songs of one folder and, while `depthLeft` > 0, of its
// subfolders. False with errno when the folder could not be read.
bool walkFolder(UniqueFd folder, const std::string& name, const std::string& inRoot, int depthLeft,
                WalkState& state) {
    const int fd = folder.get();
    std::unique_ptr<DIR, DirCloser> dir(::fdopendir(fd));
    if (!dir) {
        return false;
    }
    (void)folder.release();
    while (true) {
        errno = 0;
        const dirent* entry = ::readdir(dir.get());
        if (!entry) {
            return errno == 0;
        }
        const std::string entryName = entry->d_name;
        if (entryName.empty() || entryName[0] == '.') {
            continue;
        }
        unsigned char type = entry->d_type;
        struct stat info {};
        bool haveInfo = false;
        if (type == DT_UNKNOWN || type == DT_REG) {
            if (type == DT_REG && !hasAudioExtension(entryName)) {
                continue;
            }
            if (::fstatat(fd, entryName.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
                continue;
            }
            haveInfo = true;
            type = S_ISREG(info.st_mode) ? DT_REG : S_ISDIR(info.st_mode) ? DT_DIR : DT_LNK;
        }
        const std::string entryInRoot = joined(inRoot, entryName);
        if (type == DT_DIR) {
            if (depthLeft <= 0) {
                continue;
            }
            UniqueFd sub = openDirectoryAt(fd, entryName.c_str());
            if (!sub.valid()) {
                continue;
            }
            state.folders->push_back(entryInRoot);
            if (!walkFolder(std::move(sub), joined(name, entryName), entryInRoot, depthLeft - 1,
                            state)) {
                return false;
            }
        } else if (type == DT_REG && haveInfo && hasAudioExtension(entryName) &&
                   state.seen.insert(entryInRoot).second) {
            state.files->push_back(
                {joined(name, entryName), entryInRoot, std::uint64_t(info.st_size)});
        }
    }
}

}  // namespace

PlayerStorage::PlayerStorage(std::string root, AudioPlayerMarker marker)
    : root_(std::move(root)), marker_(std::move(marker)) {
    if (marker_.audioFolders.empty()) {
        marker_.audioFolders.emplace_back();
    }
}

std::string PlayerStorage::pathOf(const std::string& inRoot) const {
    if (inRoot.empty()) {
        return root_;
    }
    return (root_ == "/" ? "" : root_) + "/" + inRoot;
}

Status PlayerStorage::present() const {
    struct stat info {};
    const std::string marker = pathOf(kAudioPlayerMarkerName);
    if (::stat(marker.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return Status::failure(ErrorKind::Absent, "The player at " + root_ + " is not there");
    }
    return Status::success();
}

Status PlayerStorage::failureAfter(int error, const std::string& what) const {
    if (Status there = present(); !there) {
        return there;
    }
    if (error == ENOSPC || error == EDQUOT) {
        return Status::failure(ErrorKind::Io, what + ": the player is full");
    }
    return Status::failure(ErrorKind::Io, what + ": " + errorText(error));
}

Result<PlayerStorage::Walk> PlayerStorage::walk() const {
    if (Status there = present(); !there) {
        return Result<Walk>::failure(there);
    }
    const UniqueFd rootFd(::open(root_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!rootFd.valid()) {
        return Result<Walk>::failure(failureAfter(errno, root_));
    }
    Walk found;
    WalkState state{{}, &found.files, &found.folders};
    const int depth = marker_.folderDepth == AudioPlayerMarker::kAnyDepth
                          ? kDeepestSearch
                          : std::min(marker_.folderDepth, kDeepestSearch);
    for (const std::string& folder : marker_.audioFolders) {
        UniqueFd folderFd = openFolder(rootFd.get(), folder, false);
        if (!folderFd.valid()) {
            if (errno == ENOENT || errno == ENOTDIR || errno == ELOOP) {
                continue;
            }
            return Result<Walk>::failure(failureAfter(errno, joined(root_, folder)));
        }
        if (!walkFolder(std::move(folderFd), "", folder, depth, state)) {
            return Result<Walk>::failure(failureAfter(errno, joined(root_, folder)));
        }
    }
    std::sort(found.files.begin(), found.files.end(), [](const PlayerFile& a, const PlayerFile& b) {
        return a.name != b.name ? a.name < b.name : a.pathInRoot < b.pathInRoot;
    });
    return found;
}

Result<std::vector<PlayerFile>> PlayerStorage::list() const {
    auto found = walk();
    if (!found) {
        return Result<std::vector<PlayerFile>>::failure(found.status());
    }
    return std::move(found.value().files);
}

Status PlayerStorage::send(const std::string& path, const std::string& nameOnDevice,
                           const SendProgress& progress) const {
    if (!isPlainFileName(nameOnDevice) || nameOnDevice[0] == '.') {
        return Status::failure(
            ErrorKind::Invalid,
            "\"" + nameOnDevice + "\" is not a name a song can have on the player");
    }
    const UniqueFd source(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat sourceInfo {};
    if (!source.valid() || ::fstat(source.get(), &sourceInfo) != 0) {
        return Status::failure(ErrorKind::Io, path + ": " + errorText(errno));
    }
    if (!S_ISREG(sourceInfo.st_mode)) {
        return Status::failure(ErrorKind::Io, path + ": not a file");
    }
    if (Status there = present(); !there) {
        return there;
    }
    const UniqueFd rootFd(::open(root_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const std::string& folder = marker_.audioFolders.front();
    const UniqueFd folderFd = rootFd.valid() ? openFolder(rootFd.get(), folder, true) : UniqueFd();
    const std::string folderPath = pathOf(folder);
    if (!folderFd.valid()) {
        return failureAfter(errno, folderPath);
    }
    const std::string target = joined(folderPath, nameOnDevice);
    struct stat existing {};
    if (::fstatat(folderFd.get(), nameOnDevice.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
        return Status::failure(ErrorKind::Invalid, target + " is already on the player");
    }
    std::string temporaryName;
    UniqueFd out = createTemporary(folderFd.get(), temporaryName);
    if (!out.valid()) {
        return failureAfter(errno, folderPath);
    }
    TemporaryFile temporary(folderFd.get(), temporaryName);
    const std::uint64_t total = std::uint64_t(sourceInfo.st_size);
    std::uint64_t sent = 0;
    ChunkCopier copier;
    while (true) {
        const ssize_t moved = copier.copy(source.get(), out.get(), kCopyChunk);
        if (moved < 0 && errno == EINTR) {
            continue;
        }
        if (moved < 0) {
            return failureAfter(errno, target);
        }
        sent += std::uint64_t(moved);
        if (progress && (moved > 0 || sent == 0) && !progress(sent, std::max(total, sent))) {
            return Status::failure(ErrorKind::Cancelled,
                                   "The send of " + target + " was cancelled");
        }
        if (moved == 0) {
            break;
        }
    }
    if (out.close() != 0) {
        return failureAfter(errno, target);
    }
    switch (renameNoReplace(joined(folderPath, temporaryName), target)) {
        case RenameOutcome::Renamed:
            temporary.keep();
            return Status::success();
        case RenameOutcome::TargetExists:
            return Status::failure(ErrorKind::Invalid, target + " is already on the player");
        case RenameOutcome::Failed:
            break;
    }
    return failureAfter(errno, target);
}

Status PlayerStorage::remove(const std::string& stem) const {
    auto files = list();
    if (!files) {
        return files.status();
    }
    const PlayerFile* match = nullptr;
    for (const PlayerFile& file : files.value()) {
        if (deviceFileStem(file.name) != stem) {
            continue;
        }
        if (match) {
            return Status::failure(ErrorKind::Invalid,
                                   "More than one song on the player is called \"" + stem + "\"");
        }
        match = &file;
    }
    if (!match) {
        return Status::failure(ErrorKind::Invalid,
                               "No song on the player is called \"" + stem + "\"");
    }
    const std::string path = pathOf(match->pathInRoot);
    if (::unlink(path.c_str()) != 0) {
        return failureAfter(errno, path);
    }
    return Status::success();
}

Status PlayerStorage::format() const {
    auto found = walk();
    if (!found) {
        return found.status();
    }
    const UniqueFd rootFd(::open(root_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!rootFd.valid()) {
        return failureAfter(errno, root_);
    }
    int failures = 0;
    int lastError = 0;
    // Only the folders that held a song may go: an empty folder the user
    // made stays.
    std::set<std::string> emptied;
    for (const PlayerFile& file : found.value().files) {
        if (::unlinkat(rootFd.get(), file.pathInRoot.c_str(), 0) != 0 && errno != ENOENT) {
            ++failures;
            lastError = errno;
            continue;
        }
        for (size_t slash = file.pathInRoot.find('/'); slash != std::string::npos;
             slash = file.pathInRoot.find('/', slash + 1)) {
            emptied.insert(file.pathInRoot.substr(0, slash));
        }
    }
    const std::vector<std::string>& folders = found.value().folders;
    for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder) {
        if (emptied.count(*folder) != 0) {
            ::unlinkat(rootFd.get(), folder->c_str(), AT_REMOVEDIR);
        }
    }
    if (failures > 0) {
        return failureAfter(
            lastError, std::to_string(failures) + " song(s) on " + root_ + " could not be removed");
    }
    return Status::success();
}

}  // namespace sonara::platform
