#include "core/library/FolderWalk.h"

#include <dirent.h>
#include <sys/stat.h>
#include <cerrno>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "core/io/Text.h"

namespace sonara {

namespace {

bool wildcardMatch(std::string_view name, std::string_view pattern) {
    // Iterative match with single-star backtracking.
    size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() &&
            (pattern[p] == '?' || text::foldAscii(pattern[p]) == text::foldAscii(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

struct DirCloser {
    void operator()(DIR* d) const { closedir(d); }
};

class Walker {
  public:
    Walker(const WalkOptions& options, const std::function<bool(const std::string&)>& visit)
        : options_(options), visit_(visit) {}

    // False when the walk must stop (cancelled, or a visitor said so).
    bool walk(const std::string& folder, bool isStart) {
        if (cancelled()) {
            return false;
        }
        struct stat st {};
        if (::stat(folder.c_str(), &st) != 0) {
            unread(folder);
            return true;
        }
        if (isStart) {
            device_ = st.st_dev;
        } else if (options_.oneFilesystem && st.st_dev != device_) {
            return true;  // another mount below the start: not this walk's
        }
        if (!visited_.insert({st.st_dev, st.st_ino}).second) {
            return true;  // a link back into a folder already walked
        }
        if (options_.folder) {
            switch (options_.folder(folder)) {
                case FolderStep::Enter:
                    break;
                case FolderStep::Skip:
                    return true;
                case FolderStep::Stop:
                    result.cancelled = true;
                    return false;
            }
        }
        std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.c_str()));
        if (!dir) {
            unread(folder);
            return true;
        }
        std::vector<std::string> folders;
        for (;;) {
            errno = 0;
            const dirent* entry = ::readdir(dir.get());
            if (entry == nullptr) {
                if (errno != 0) {
                    unread(folder);  // the rest of its listing is unknown
                }
                break;
            }
            const std::string_view name = entry->d_name;  // valid until the next readdir
            if (name == "." || name == "..") {
                continue;
            }
            std::string path;
            path.reserve(folder.size() + name.size() + 1);
            path.append(folder).append(name);
            bool isDir = entry->d_type == DT_DIR;
            bool isFile = entry->d_type == DT_REG;
            const bool isLink = entry->d_type == DT_LNK;
            if (isLink && !options_.followLinks) {
                continue;
            }
            if (isLink || entry->d_type == DT_UNKNOWN) {
                struct stat target {};
                const int status = options_.followLinks ? ::stat(path.c_str(), &target)
                                                        : ::lstat(path.c_str(), &target);
                if (status != 0) {
                    // A dangling or looping link is no file; anything else
                    // leaves an entry of the folder unknown.
                    if (errno != ENOENT && errno != ENOTDIR && errno != ELOOP) {
                        unread(folder);
                    }
                    continue;
                }
                isDir = S_ISDIR(target.st_mode);
                isFile = S_ISREG(target.st_mode);
            }
            if (isDir) {
                folders.push_back(path + "/");
            } else if (isFile && matchesPattern(name, options_.patterns)) {
                if (cancelled()) {
                    return false;
                }
                ++result.filesVisited;
                if (!visit_(path)) {
                    result.cancelled = true;
                    return false;
                }
            }
        }
        dir.reset();
        for (const std::string& sub : folders) {
            if (!walk(sub, false)) {
                return false;
            }
        }
        return true;
    }

    WalkResult result;

  private:
    void unread(const std::string& folder) {
        result.incomplete = true;
        if (result.unreadFolders.empty() || result.unreadFolders.back() != folder) {
            result.unreadFolders.push_back(folder);
        }
    }

    bool cancelled() {
        if (options_.cancel != nullptr && options_.cancel->load()) {
            result.cancelled = true;
        }
        return result.cancelled;
    }

    const WalkOptions& options_;
    const std::function<bool(const std::string&)>& visit_;
    dev_t device_ = 0;
    std::set<std::pair<dev_t, ino_t>> visited_;
};

}  // namespace

bool matchesPattern(std::string_view name, std::string_view patterns) {
    size_t start = 0;
    while (start <= patterns.size()) {
        size_t end = patterns.find(';', start);
        if (end == std::string_view::npos) {
            end = patterns.size();
        }
        const std::string_view one = text::trim(patterns.substr(start, end - start));
        if (!one.empty() && wildcardMatch(name, one)) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

WalkResult walkFolder(const std::string& folder, const WalkOptions& options,
                      const std::function<bool(const std::string&)>& visit) {
    Walker walker(options, visit);
    std::string start = folder;
    if (start.empty() || start.back() != '/') {
        start += '/';
    }
    walker.walk(start, true);
    return walker.result;
}

WalkResult walkFolder(const std::string& folder, std::string_view patterns,
                      const std::function<bool(const std::string&)>& visit,
                      const std::atomic<bool>* cancel) {
    WalkOptions options;
    options.patterns = patterns;
    options.cancel = cancel;
    return walkFolder(folder, options, visit);
}

WalkResult listFolder(const std::string& folder, std::string_view patterns,
                      const std::function<bool(const std::string&)>& visit,
                      const std::function<void(const std::string&)>& subFolder) {
    bool started = false;
    WalkOptions options;
    options.patterns = patterns;
    options.folder = [&](const std::string& reached) {
        if (!started) {
            started = true;
            return FolderStep::Enter;
        }
        if (subFolder) {
            subFolder(reached);
        }
        return FolderStep::Skip;
    };
    return walkFolder(folder, options, visit);
}

}  // namespace sonara
