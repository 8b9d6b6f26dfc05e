#include "core/shell/PlayerTable.h"

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/io/AtomicFile.h"
#include "core/io/FileAttributes.h"
#include "core/io/Text.h"
#include "core/shell/TextFileReader.h"

namespace sonara {

using namespace text;

namespace {

// Each player's options as its own manual documents them; a verb the
// manual does not give is "na".
constexpr std::string_view kDefaultTable =
    "[Players]\r\n"
    "Player1=Audacious,audacious.desktop,na,audacious -E %f,audacious -e %f,"
    "audacious.desktop,audacious -E %f,audacious -e %f\r\n"
    "Player2=Rhythmbox,org.gnome.Rhythmbox3.desktop,rhythmbox-client %f,"
    "rhythmbox-client --play-uri=%u,rhythmbox-client --enqueue %f,na,na,na\r\n"
    "Player3=Qmmp,qmmp.desktop,qmmp %f,na,qmmp -e %f,qmmp.desktop,qmmp %f,qmmp -e %f\r\n"
    "Player4=mpv,mpv.desktop,na,mpv %f,na,mpv.desktop,mpv %f,na\r\n"
    "Player5=VLC media player,vlc.desktop,na,vlc %f,na,na,na,na\r\n";

}  // namespace

std::string_view defaultPlayerTableText() {
    return kDefaultTable;
}

PlayerTable PlayerTable::parse(std::string_view fileText) {
    PlayerTable table;
    bool inPlayers = false;
    forEachLine(fileText, [&](std::string_view raw) {
        const std::string_view line = trim(raw);
        if (!line.empty() && line.front() == '[') {
            const size_t close = line.find(']');
            inPlayers = close != std::string_view::npos &&
                        equalsNoCase(trim(line.substr(1, close - 1)), "Players");
            return;
        }
        const size_t equals = line.find('=');
        if (!inPlayers || line.empty() || line.front() == ';' || equals == std::string_view::npos) {
            return;
        }
        std::vector<std::string> fields;
        const std::string_view row = line.substr(equals + 1);
        size_t start = 0;
        while (true) {
            const size_t comma = row.find(',', start);
            fields.emplace_back(row.substr(
                start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
            if (comma == std::string_view::npos) {
                break;
            }
            start = comma + 1;
        }
        table.rows_.push_back(std::move(fields));
    });
    return table;
}

std::string PlayerTable::field(size_t row, size_t position) const {
    if (row >= rows_.size() || position >= rows_[row].size()) {
        return {};
    }
    return rows_[row][position];
}

std::optional<size_t> PlayerTable::findBy(size_t position, std::string_view value) const {
    for (size_t row = 0; row < rows_.size(); ++row) {
        if (position < rows_[row].size() && rows_[row][position] == value) {
            return row;
        }
    }
    return std::nullopt;
}

std::optional<size_t> PlayerTable::findByMp3Type(std::string_view desktopId) const {
    return findBy(PlayerMp3Type, desktopId);
}

std::optional<size_t> PlayerTable::findByM3uType(std::string_view desktopId) const {
    return findBy(PlayerM3uType, desktopId);
}

bool PlayerTable::hasVerb(size_t row, size_t position) const {
    const std::string verb = field(row, position);
    return !verb.empty() && !equalsNoCase(verb, "na");
}

PlayerTable loadPlayerTable(const std::string& path, Prompter& prompter) {
    if (files::exists(path) && files::isReadOnly(path)) {
        prompter.message(stringText(TextId::PlayerInfoReadOnly), Icon::Exclamation);
    }
    auto text = readSmallTextFile(path);
    if (text && !text.value()) {
        // Where the folder cannot take the file the built-in rows still
        // serve, and the next use tries to write it again: the failure
        // costs the user nothing.
        (void)writeFileAtomically(path, kDefaultTable);
        return PlayerTable::parse(kDefaultTable);
    }
    return text ? PlayerTable::parse(*text.value()) : PlayerTable();
}

}  // namespace sonara
