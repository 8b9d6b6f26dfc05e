#include "core/tools/rename/SafeRename.h"

#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>

namespace sonara {

namespace {

#ifndef RENAME_NOREPLACE
constexpr unsigned kNoReplace = 1;
#else
constexpr unsigned kNoReplace = RENAME_NOREPLACE;
#endif

int renameAt2(const char* from, const char* to) {
#ifdef SYS_renameat2
    return int(syscall(SYS_renameat2, AT_FDCWD, from, AT_FDCWD, to, kNoReplace));
#else
    errno = ENOSYS;
    return -1;
#endif
}

}  // namespace

RenameOutcome renameNoReplace(const std::string& from, const std::string& to) {
    if (renameAt2(from.c_str(), to.c_str()) == 0) {
        return RenameOutcome::Renamed;
    }
    if (errno == EEXIST) {
        return RenameOutcome::TargetExists;
    }
    if (errno != ENOSYS && errno != EINVAL) {
        return RenameOutcome::Failed;
    }
    // link() fails on an existing target, so nothing is replaced either way.
    if (::link(from.c_str(), to.c_str()) != 0) {
        return errno == EEXIST ? RenameOutcome::TargetExists : RenameOutcome::Failed;
    }
    if (::unlink(from.c_str()) != 0) {
        ::unlink(to.c_str());
        return RenameOutcome::Failed;
    }
    return RenameOutcome::Renamed;
}

bool isPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string("/\0", 2)) == std::string::npos;
}

bool isPortableFileName(const std::string& name) {
    return isPlainFileName(name) && name.find_first_of("\\:*?\"<>|") == std::string::npos;
}

}  // namespace sonara
