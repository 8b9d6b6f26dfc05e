#include "platform/SysBlockDevices.h"

#include <filesystem>
#include <fstream>

namespace sonara::platform {

namespace fs = std::filesystem;

namespace {

// Device-mapper stacks are a few levels deep at most; the bound also ends a
// damaged tree whose slaves lead round in a circle.
constexpr int kMaxStackDepth = 8;

bool flagIsSet(const fs::path& file) {
    std::ifstream in(file);
    char c = 0;
    return in.get(c) && c == '1';
}

bool isRemovable(const fs::path& deviceDir, int depth) {
    std::error_code ec;
    const fs::path disk =
        fs::exists(deviceDir / "partition", ec) ? deviceDir.parent_path() : deviceDir;
    if (flagIsSet(disk / "removable")) {
        return true;
    }
    if (depth >= kMaxStackDepth) {
        return false;
    }
    for (fs::directory_iterator it(deviceDir / "slaves", ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code resolveError;
        const fs::path below = fs::canonical(it->path(), resolveError);
        if (!resolveError && isRemovable(below, depth + 1)) {
            return true;
        }
    }
    return false;
}

}  // namespace

SysBlockDevices::SysBlockDevices(std::string sysRoot) : sysRoot_(std::move(sysRoot)) {}

std::optional<BlockDevice> SysBlockDevices::byNumber(unsigned major, unsigned minor) const {
    return describe(sysRoot_ + "/dev/block/" + std::to_string(major) + ":" + std::to_string(minor));
}

std::optional<BlockDevice> SysBlockDevices::byName(const std::string& name) const {
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos) {
        return std::nullopt;
    }
    return describe(sysRoot_ + "/class/block/" + name);
}

std::optional<BlockDevice> SysBlockDevices::describe(const std::string& link) const {
    std::error_code ec;
    const fs::path deviceDir = fs::canonical(link, ec);
    if (ec || !fs::is_directory(deviceDir, ec)) {
        return std::nullopt;
    }
    BlockDevice device;
    device.name = deviceDir.filename().string();
    device.removable = isRemovable(deviceDir, 0);
    return device;
}

}  // namespace sonara::platform
