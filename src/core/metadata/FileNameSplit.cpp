#include "core/metadata/FileNameSplit.h"

namespace sonara {

namespace {

std::string_view withoutLeadingBlanks(std::string_view s) {
    const size_t first = s.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view() : s.substr(first);
}

}  // namespace

FileNameSplit splitFileName(std::string_view path) {
    FileNameSplit split;
    std::string_view name = path;
    if (const size_t slash = name.rfind('/'); slash != std::string_view::npos) {
        name = name.substr(slash + 1);
    }
    if (const size_t dot = name.rfind('.'); dot != std::string_view::npos) {
        name = name.substr(0, dot);
    }
    split.name = std::string(name);

    const size_t dash = name.rfind('-');
    if (dash == std::string_view::npos) {
        split.artist = std::string(kUnknownArtist);
        split.title = split.name;
    } else {
        std::string_view artist = name.substr(0, dash);
        if (!artist.empty() && artist.back() == ' ') {
            artist.remove_suffix(1);
        }
        split.artist = artist.empty() ? std::string(kUnknownArtist) : std::string(artist);

        std::string_view title = withoutLeadingBlanks(name.substr(dash + 1));
        if (!title.empty() && title.front() == '(') {
            if (const size_t close = title.find(')'); close != std::string_view::npos) {
                title = withoutLeadingBlanks(title.substr(close + 1));
            }
        }
        split.title = std::string(title);
    }
    split.combined = split.artist + " - " + split.title;
    return split;
}

}  // namespace sonara
