#include "platform/AudioPlayerMarker.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <optional>

#include "platform/UniqueFd.h"

namespace sonara::platform {

namespace {

constexpr size_t kMarkerReadCap = 64 * 1024;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

// "Music//Rock/./" -> "Music/Rock"; nullopt for a folder that could leave
// the mount or that no file system would hold.
std::optional<std::string> relativeFolder(std::string_view folder) {
    if (folder.empty()) {
        return std::nullopt;
    }
    if (folder.front() == '/' || folder.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    std::string joined;
    while (!folder.empty()) {
        const size_t slash = folder.find('/');
        const std::string_view part = folder.substr(0, slash);
        folder = slash == std::string_view::npos ? std::string_view() : folder.substr(slash + 1);
        if (part.empty() || part == ".") {
            continue;
        }
        if (part == "..") {
            return std::nullopt;
        }
        if (!joined.empty()) {
            joined += '/';
        }
        joined += part;
    }
    return joined;
}

std::vector<std::string> audioFoldersOf(std::string_view list) {
    std::vector<std::string> folders;
    while (true) {
        const size_t comma = list.find(',');
        if (auto folder = relativeFolder(trimmed(list.substr(0, comma)))) {
            if (std::find(folders.begin(), folders.end(), *folder) == folders.end()) {
                folders.push_back(std::move(*folder));
            }
        }
        if (comma == std::string_view::npos) {
            break;
        }
        list.remove_prefix(comma + 1);
    }
    if (folders.empty()) {
        folders.emplace_back();
    }
    return folders;
}

int depthOf(std::string_view value) {
    int depth = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), depth);
    if (error != std::errc() || end != value.data() + value.size() || depth < 0) {
        return AudioPlayerMarker::kAnyDepth;
    }
    return depth;
}

std::string printableName(std::string_view value) {
    std::string name;
    for (char c : value) {
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f) {
            name += c;
        }
    }
    return name;
}

}  // namespace

AudioPlayerMarker parseAudioPlayerMarker(std::string_view text) {
    AudioPlayerMarker marker;
    while (!text.empty()) {
        const size_t newline = text.find('\n');
        const std::string_view line = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = trimmed(line.substr(0, equals));
        const std::string_view value = trimmed(line.substr(equals + 1));
        if (equalsIgnoringCase(key, "name")) {
            marker.name = printableName(value);
        } else if (equalsIgnoringCase(key, "audio_folders")) {
            marker.audioFolders = audioFoldersOf(value);
        } else if (equalsIgnoringCase(key, "folder_depth")) {
            marker.folderDepth = depthOf(value);
        }
    }
    return marker;
}

Result<AudioPlayerMarker> readAudioPlayerMarker(const std::string& root) {
    const std::string path = root + (root.ends_with('/') ? "" : "/") + kAudioPlayerMarkerName;
    const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.valid()) {
        const int error = errno;
        return Result<AudioPlayerMarker>::failure(
            error == ENOENT ? ErrorKind::Absent : ErrorKind::Io,
            path + ": " + std::strerror(error));
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return Result<AudioPlayerMarker>::failure(ErrorKind::Absent, path + ": not a file");
    }
    std::string text(kMarkerReadCap, '\0');
    size_t filled = 0;
    while (filled < text.size()) {
        const ssize_t got = ::read(fd.get(), text.data() + filled, text.size() - filled);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            const int error = errno;
            return Result<AudioPlayerMarker>::failure(ErrorKind::Io,
                                                      path + ": " + std::strerror(error));
        }
        if (got == 0) {
            break;
        }
        filled += size_t(got);
    }
    text.resize(filled);
    return parseAudioPlayerMarker(text);
}

}  // namespace sonara::platform
