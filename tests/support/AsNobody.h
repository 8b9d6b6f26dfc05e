#pragma once

#include <unistd.h>

#include <filesystem>
#include <vector>

namespace sonara::testing {

// Makes `locked` folders unreadable for the rest of the scope. Root reads
// every folder whatever its mode, so under root the scope also runs as
// "nobody", with the tree below `root` opened up for that user first.
class AsNobody {
  public:
    AsNobody(const std::filesystem::path& root, std::vector<std::filesystem::path> locked)
        : locked_(std::move(locked)) {
        namespace fs = std::filesystem;
        const bool isRoot = ::geteuid() == 0;
        if (isRoot) {
            fs::permissions(root, fs::perms(0755));
            for (const auto& entry : fs::recursive_directory_iterator(root)) {
                if (!entry.is_symlink()) {
                    fs::permissions(entry.path(), fs::perms(entry.is_directory() ? 0755 : 0644));
                }
            }
        }
        for (const auto& folder : locked_) {
            fs::permissions(folder, fs::perms::none);
        }
        if (isRoot) {
            dropped_ = ::seteuid(kNobody) == 0;
        }
    }
    ~AsNobody() {
        if (dropped_) {
            [[maybe_unused]] const int back = ::seteuid(0);
        }
        for (const auto& folder : locked_) {
            std::filesystem::permissions(folder, std::filesystem::perms(0755));
        }
    }
    AsNobody(const AsNobody&) = delete;
    AsNobody& operator=(const AsNobody&) = delete;

  private:
    static constexpr uid_t kNobody = 65534;
    std::vector<std::filesystem::path> locked_;
    bool dropped_ = false;
};

}  // namespace sonara::testing
