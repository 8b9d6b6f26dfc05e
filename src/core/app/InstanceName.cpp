#include "core/app/InstanceName.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace sonara {

std::string canonicalDataFolder(std::string_view folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path path = fs::absolute(fs::path(folder), error);
    if (error) {
        path = fs::path(folder);
    }
    fs::path resolved = fs::weakly_canonical(path, error);
    if (error) {
        resolved = path.lexically_normal();
    }
    std::string text = resolved.string();
    while (text.size() > 1 && text.back() == '/') {
        text.pop_back();
    }
    return text;
}

std::string instanceName(std::string_view dataFolder) {
    // FNV-1a: stable across builds and machines, unlike std::hash.
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : canonicalDataFolder(dataFolder)) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    char name[17];
    std::snprintf(name, sizeof name, "%016llx", static_cast<unsigned long long>(hash));
    return name;
}

}  // namespace sonara
