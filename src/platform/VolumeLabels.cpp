#include "platform/VolumeLabels.h"

#include <filesystem>

#include "core/io/Text.h"

namespace sonara::platform {

namespace fs = std::filesystem;

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

std::string decodeUdevName(std::string_view name) {
    std::string out;
    out.reserve(name.size());
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' &&
            hexValue(name[i + 2]) >= 0 && hexValue(name[i + 3]) >= 0) {
            out += char(hexValue(name[i + 2]) * 16 + hexValue(name[i + 3]));
            i += 3;
        } else {
            out += name[i];
        }
    }
    return out;
}

VolumeLabels::VolumeLabels(const std::string& devRoot) {
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(devRoot) / "disk" / "by-label", ec), end;
         !ec && it != end; it.increment(ec)) {
        std::error_code linkError;
        const fs::path target = fs::read_symlink(it->path(), linkError);
        if (linkError) {
            continue;
        }
        const std::string device = target.lexically_normal().filename().string();
        if (device.empty()) {
            continue;
        }
        labels_.emplace(device, text::fromLegacy(decodeUdevName(it->path().filename().string())));
    }
}

std::string VolumeLabels::labelOf(const std::string& deviceName) const {
    const auto it = labels_.find(deviceName);
    return it == labels_.end() ? std::string() : it->second;
}

}  // namespace sonara::platform
