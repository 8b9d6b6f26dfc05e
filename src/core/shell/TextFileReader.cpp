#include "core/shell/TextFileReader.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace sonara {

Result<std::optional<std::string>> readSmallTextFile(const std::string& path, size_t limit) {
    using R = Result<std::optional<std::string>>;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return R(std::nullopt);
        }
        return R::failure(ErrorKind::Io, path + ": " + std::strerror(errno));
    }
    std::string text;
    char buffer[8192];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        if (text.size() + got > limit) {
            return R::failure(ErrorKind::Damaged, path + " is too large");
        }
        text.append(buffer, got);
    }
    if (std::ferror(file.get()) != 0) {
        return R::failure(ErrorKind::Io, path + ": read error");
    }
    return R(std::optional<std::string>(std::move(text)));
}

void forEachLine(std::string_view text, const std::function<void(std::string_view)>& line) {
    size_t from = 0;
    while (from < text.size()) {
        const size_t end = std::min(text.find('\n', from), text.size());
        line(text.substr(from, end - from));
        from = end + 1;
    }
}

}  // namespace sonara
