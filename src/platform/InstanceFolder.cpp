#include "platform/InstanceFolder.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "core/app/StringTable.h"

namespace sonara::platform {

namespace {

Status refused(const std::string& path, const std::string& reason) {
    return Status::failure(ErrorKind::Invalid, formatText(TextId::InstanceRefused, path, reason));
}

Status systemError(const std::string& path, int error) {
    return Status::failure(
        ErrorKind::Io, formatText(TextId::InstanceRefused, path,
                                  formatText(TextId::InstanceSystemError, std::strerror(error))));
}

// What every entry we rely on must be: ours alone.
Status checkOwnership(const std::string& path, const struct stat& info, uid_t uid) {
    if (info.st_uid != uid) {
        return refused(path, stringText(TextId::InstanceOtherOwner));
    }
    if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        return refused(path, stringText(TextId::InstanceOpenToOthers));
    }
    return Status::success();
}

}  // namespace

std::string instanceFolderPath(const std::string& runtimeFolder, const std::string& temporaryFolder,
                               uid_t uid) {
    if (!runtimeFolder.empty()) {
        return runtimeFolder + "/sonara";
    }
    const std::string temporary = temporaryFolder.empty() ? "/tmp" : temporaryFolder;
    return temporary + "/sonara-" + std::to_string(uid);
}

Status ensureOwnerOnlyFolder(const std::string& folder, uid_t uid) {
    // mkdir never follows a link at its last component: a link planted there
    // makes it fail with EEXIST, and lstat below then refuses the link.
    if (::mkdir(folder.c_str(), S_IRWXU) != 0 && errno != EEXIST) {
        return systemError(folder, errno);
    }
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0) {
        return systemError(folder, errno);
    }
    if (S_ISLNK(info.st_mode)) {
        return refused(folder, stringText(TextId::InstanceIsSymlink));
    }
    if (!S_ISDIR(info.st_mode)) {
        return refused(folder, stringText(TextId::InstanceNotFolder));
    }
    return checkOwnership(folder, info, uid);
}

Status checkOwnerOnlySocket(const std::string& socketPath, uid_t uid) {
    struct stat info {};
    if (::lstat(socketPath.c_str(), &info) != 0) {
        return errno == ENOENT ? Status::success() : systemError(socketPath, errno);
    }
    if (S_ISLNK(info.st_mode)) {
        return refused(socketPath, stringText(TextId::InstanceIsSymlink));
    }
    if (!S_ISSOCK(info.st_mode)) {
        return refused(socketPath, stringText(TextId::InstanceNotSocket));
    }
    return checkOwnership(socketPath, info, uid);
}

}  // namespace sonara::platform
