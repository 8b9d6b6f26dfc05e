#include "core/app/CommandLine.h"

#include <optional>
#include <utility>

#include "core/io/Text.h"

namespace sonara {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char lower = text::foldAscii(c);
    if (lower >= 'a' && lower <= 'f') {
        return lower - 'a' + 10;
    }
    return -1;
}

// The scheme of a URI "scheme://..." (letters, digits, "+", "-", "." after
// a letter) or of "file:...", or nothing: a file name may hold a colon
// ("Artist: Title.mp3") and is no URI.
std::optional<std::string_view> uriScheme(std::string_view argument) {
    if (text::equalsNoCase(argument.substr(0, 5), "file:")) {
        return argument.substr(0, 4);
    }
    const size_t colon = argument.find("://");
    if (colon == std::string_view::npos || colon == 0) {
        return std::nullopt;
    }
    for (size_t i = 0; i < colon; ++i) {
        const char c = text::foldAscii(argument[i]);
        const bool letter = c >= 'a' && c <= 'z';
        if (!letter && (i == 0 || !((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'))) {
            return std::nullopt;
        }
    }
    return argument.substr(0, colon);
}

// "file:///a%20b" or "file://localhost/a" to "/a b"; "" for another host or
// a broken escape.
std::string fileUriPath(std::string_view uri) {
    std::string_view rest = uri.substr(5);  // after "file:"
    if (rest.substr(0, 2) == "//") {
        rest.remove_prefix(2);
        const size_t slash = rest.find('/');
        if (slash == std::string_view::npos) {
            return "";
        }
        const std::string_view host = rest.substr(0, slash);
        if (!host.empty() && !text::equalsNoCase(host, "localhost")) {
            return "";  // a file on another machine is no local path
        }
        rest.remove_prefix(slash);
    }
    if (rest.empty() || rest.front() != '/') {
        return "";
    }
    std::string path;
    for (size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] != '%') {
            path += rest[i];
            continue;
        }
        const int high = i + 2 < rest.size() ? hexValue(rest[i + 1]) : -1;
        const int low = high >= 0 ? hexValue(rest[i + 2]) : -1;
        if (low < 0 || (high == 0 && low == 0)) {
            return "";
        }
        path += char(high * 16 + low);
        i += 2;
    }
    return path;
}

// Empty and "." components go; ".." stays, since a link may lie before it.
std::string tidy(std::string_view path) {
    std::string out;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string_view::npos) {
            end = path.size();
        }
        const std::string_view part = path.substr(start, end - start);
        if (!part.empty() && part != ".") {
            out += '/';
            out += part;
        }
        start = end + 1;
    }
    return out.empty() ? "/" : out;
}

}  // namespace

std::string commandLinePath(std::string_view argument, std::string_view workingFolder) {
    if (argument.empty()) {
        return "";
    }
    std::string path;
    if (const auto scheme = uriScheme(argument)) {
        if (!text::equalsNoCase(*scheme, "file")) {
            return "";
        }
        path = fileUriPath(argument);
        if (path.empty()) {
            return "";
        }
    } else if (argument.front() == '/') {
        path = std::string(argument);
    } else {
        path = std::string(workingFolder) + "/" + std::string(argument);
    }
    return tidy(path);
}

CommandLineFiles::CommandLineFiles(const std::vector<std::string>& arguments,
                                   const std::string& workingFolder) {
    for (const std::string& argument : arguments) {
        if (std::string path = commandLinePath(argument, workingFolder); !path.empty()) {
            files_.push_back(std::move(path));
        }
    }
}

std::vector<std::string> CommandLineFiles::take() {
    if (taken_) {
        return {};
    }
    taken_ = true;
    return std::exchange(files_, {});
}

}  // namespace sonara
