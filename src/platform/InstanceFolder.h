#pragma once

#include <sys/types.h>

#include <string>

#include "core/io/Result.h"

namespace sonara::platform {

// The folder that holds the running program's socket and lock file:
// `runtimeFolder`/sonara when the session has a runtime folder
// ($XDG_RUNTIME_DIR, empty when unset), else `temporaryFolder`/sonara-UID.
std::string instanceFolderPath(const std::string& runtimeFolder, const std::string& temporaryFolder,
                               uid_t uid);

// Makes `folder` (mode 0700) when missing, then checks that only `uid` can
// open it: it must be a real folder, not a symbolic link, owned by `uid`,
// with no permission for group or others. A folder that fails is refused,
// never repaired or used; the message names the path and the reason. The
// parent folder must exist.
Status ensureOwnerOnlyFolder(const std::string& folder, uid_t uid);

// The same checks for a socket left in that folder: none there is fine;
// otherwise it must be a socket (not a link or another file), owned by
// `uid` and closed to group and others.
Status checkOwnerOnlySocket(const std::string& socketPath, uid_t uid);

}  // namespace sonara::platform
