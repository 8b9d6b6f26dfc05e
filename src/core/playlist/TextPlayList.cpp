#include "core/playlist/TextPlayList.h"

#include <fstream>
#include <iterator>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/io/AtomicFile.h"
#include "core/io/FileAttributes.h"
#include "core/io/Text.h"

namespace sonara::text_playlist {

bool isPlayListName(const std::string& path) {
    return text::endsWithNoCase(path, "m3u") || text::endsWithNoCase(path, "snl");
}

Status write(const std::string& path, const std::vector<PlayListEntry>& entries) {
    std::string body;
    for (const PlayListEntry& entry : entries) {
        if (!entry.path.empty()) {
            body += entry.path;
            body += "\r\n";
        }
    }
    return writeFileAtomically(path, body);
}

std::vector<std::string> parse(std::string_view body, const std::string& folder) {
    std::vector<std::string> paths;
    size_t start = 0;
    while (start < body.size()) {
        size_t end = body.find('\n', start);
        if (end == std::string_view::npos) {
            end = body.size();
        }
        std::string_view line = body.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        start = end + 1;
        if (line.empty() || line.front() == '#') {
            continue;
        }
        std::string entry = text::fromLegacy(line);
        if (entry.front() != '/' && !folder.empty()) {
            entry = folder + entry;
        }
        paths.push_back(std::move(entry));
    }
    return paths;
}

ReadReport read(const std::string& path, const std::function<void()>& clear,
                const std::function<bool(const std::string&)>& add, Prompter& prompter) {
    ReadReport report;
    if (!isPlayListName(path)) {
        report.added = add(path) ? 1 : 0;
        return report;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in || files::isDirectory(path)) {
        return report;
    }
    const std::string body{std::istreambuf_iterator<char>(in), {}};
    if (body.empty()) {
        return report;
    }
    clear();
    report.replaced = true;
    for (const std::string& entry : parse(body, files::folderPart(path))) {
        if (files::exists(entry) && add(entry)) {
            ++report.added;
        } else {
            ++report.missing;
        }
    }
    if (report.missing > 0) {
        prompter.message(stringText(TextId::PlayListItemsNotAdded), Icon::Exclamation);
    }
    return report;
}

}  // namespace sonara::text_playlist
