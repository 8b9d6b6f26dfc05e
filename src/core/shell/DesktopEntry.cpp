#include "core/shell/DesktopEntry.h"

#include "core/io/Text.h"
#include "core/shell/LaunchCommand.h"
#include "core/shell/TextFileReader.h"

namespace sonara {

using namespace text;

namespace {

// The entry format's own escapes of a string value (\s \n \t \r \\).
std::string unescapeValue(std::string_view value) {
    std::string out;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        switch (value[++i]) {
            case 's':
                out += ' ';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            default:
                out += value[i];
        }
    }
    return out;
}

std::optional<DesktopEntry> parseEntry(std::string_view text) {
    DesktopEntry entry;
    bool inMain = false;
    bool found = false;
    forEachLine(text, [&](std::string_view raw) {
        const std::string_view line = trim(raw);
        if (!line.empty() && line.front() == '[') {
            inMain = line == "[Desktop Entry]";
            found = found || inMain;
            return;
        }
        const size_t equals = line.find('=');
        if (!inMain || equals == std::string_view::npos) {
            return;
        }
        const std::string_view key = trimRight(line.substr(0, equals));
        const std::string value = unescapeValue(trimLeft(line.substr(equals + 1)));
        if (key == "Name" && entry.name.empty()) {
            entry.name = value;
        } else if (key == "Exec" && entry.exec.empty()) {
            entry.exec = value;
        }
    });
    if (!found) {
        return std::nullopt;
    }
    return entry;
}

// "kde-foo.desktop" may live at kde/foo.desktop, "a-b-c.desktop" at
// a/b-c.desktop or a/b/c.desktop and so on.
void addCandidates(std::string_view id, const std::string& prefix,
                   std::vector<std::string>& candidates) {
    candidates.push_back(prefix + std::string(id));
    for (size_t dash = id.find('-'); dash != std::string_view::npos;
         dash = id.find('-', dash + 1)) {
        addCandidates(id.substr(dash + 1), prefix + std::string(id.substr(0, dash)) + "/",
                      candidates);
    }
}

}  // namespace

std::optional<DesktopEntry> findDesktopEntry(const ShellPaths& paths, std::string_view desktopId) {
    if (desktopId.empty() || desktopId.find('/') != std::string_view::npos ||
        desktopId.find("..") != std::string_view::npos) {
        return std::nullopt;
    }
    std::vector<std::string> candidates;
    addCandidates(desktopId, "", candidates);
    for (const std::string& folder : paths.applicationFolders()) {
        for (const std::string& candidate : candidates) {
            auto text = readSmallTextFile(folder + "/" + candidate);
            if (text && text.value()) {
                return parseEntry(*text.value());
            }
        }
    }
    return std::nullopt;
}

std::string programNameOf(std::string_view commandLine) {
    const std::optional<std::vector<std::string>> words = splitCommandLine(commandLine);
    std::string program = words && !words->empty() ? words->front() : std::string(commandLine);
    if (const size_t slash = program.rfind('/'); slash != std::string::npos) {
        program.erase(0, slash + 1);
    }
    program = toUpperAscii(program);
    if (const size_t exe = program.find(".EXE"); exe != std::string::npos) {
        program.erase(exe);
    }
    return program;
}

}  // namespace sonara
