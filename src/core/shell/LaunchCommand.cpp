#include "core/shell/LaunchCommand.h"

namespace sonara {

namespace {

// One character of a word and whether it stood inside quotes.
struct Char {
    char c;
    bool quoted;
};
using Word = std::vector<Char>;

std::optional<std::vector<Word>> splitWords(std::string_view line) {
    std::vector<Word> words;
    Word word;
    bool inWord = false;
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < line.size()) {
                word.push_back({line[++i], true});
            } else {
                word.push_back({c, true});
            }
        } else if (c == ' ' || c == '\t') {
            if (inWord) {
                words.push_back(std::move(word));
                word.clear();
                inWord = false;
            }
        } else if (c == '"') {
            quoted = true;
            inWord = true;
        } else {
            word.push_back({c, false});
            inWord = true;
        }
    }
    if (quoted) {
        return std::nullopt;
    }
    if (inWord) {
        words.push_back(std::move(word));
    }
    return words;
}

}  // namespace

std::optional<std::vector<std::string>> splitCommandLine(std::string_view commandLine) {
    const auto words = splitWords(commandLine);
    if (!words) {
        return std::nullopt;
    }
    std::vector<std::string> out;
    for (const Word& word : *words) {
        std::string text;
        for (const Char& c : word) {
            text += c.c;
        }
        out.push_back(std::move(text));
    }
    return out;
}

std::string fileUri(std::string_view path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri = "file://";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
            (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' || c == '~' ||
            c == '/') {
            uri += c;
        } else {
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 0x0F];
        }
    }
    return uri;
}

std::optional<std::vector<std::string>> buildLaunchCommand(std::string_view commandLine,
                                                           const std::string& path) {
    const auto words = splitWords(commandLine);
    if (!words) {
        return std::nullopt;
    }
    std::vector<std::string> argv;
    bool pathGiven = false;
    for (const Word& word : *words) {
        std::string text;
        bool dropped = false;
        for (size_t i = 0; i < word.size(); ++i) {
            if (word[i].quoted || word[i].c != '%' || i + 1 == word.size()) {
                text += word[i].c;
                continue;
            }
            const char code = word[++i].c;
            if (code == 'f' || code == 'F') {
                text += path;
                pathGiven = true;
            } else if (code == 'u' || code == 'U') {
                text += fileUri(path);
                pathGiven = true;
            } else if (code == '%') {
                text += '%';
            } else {
                dropped = true;  // %i, %c, %k and the retired codes
            }
        }
        // The program is never the file itself: a song is no program.
        if (argv.empty() && pathGiven) {
            return std::nullopt;
        }
        if (!text.empty() || !dropped) {
            argv.push_back(std::move(text));
        }
    }
    if (argv.empty() || argv.front().empty()) {
        return std::nullopt;
    }
    if (!pathGiven) {
        argv.push_back(path);
    }
    return argv;
}

}  // namespace sonara
