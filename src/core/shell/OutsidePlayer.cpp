#include "core/shell/OutsidePlayer.h"

#include <cstdio>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/io/FileAttributes.h"
#include "core/playlist/TextPlayList.h"
#include "core/settings/WindowPreferences.h"
#include "core/shell/DesktopEntry.h"
#include "core/shell/LaunchCommand.h"

namespace sonara {

namespace {

PlayerAction actionOf(int playerAction) {
    return playerActionFromNumber(playerAction).value_or(PlayerAction::Open);
}

size_t verbPosition(int playerAction) {
    switch (actionOf(playerAction)) {
        case PlayerAction::Play:
            return PlayerPlayVerb;
        case PlayerAction::Enqueue:
            return PlayerEnqueueVerb;
        case PlayerAction::Open:
            break;
    }
    return PlayerOpenVerb;
}

}  // namespace

std::string actionWord(int playerAction) {
    switch (actionOf(playerAction)) {
        case PlayerAction::Play:
            return stringText(TextId::ActionWordPlay);
        case PlayerAction::Enqueue:
            return stringText(TextId::ActionWordEnqueue);
        case PlayerAction::Open:
            break;
    }
    return stringText(TextId::ActionWordOpen);
}

PlayerTable OutsidePlayer::table() const {
    return loadPlayerTable(associations_.paths().playerTable(), prompter_);
}

std::string OutsidePlayer::nameOf(const PlayerTable& table, const std::string& desktopId) const {
    if (const auto row = table.findByMp3Type(desktopId)) {
        return table.field(*row, PlayerName);
    }
    const std::optional<DesktopEntry> entry = findDesktopEntry(associations_.paths(), desktopId);
    if (!entry) {
        return {};
    }
    return entry->name.empty() ? programNameOf(entry->exec) : entry->name;
}

std::string OutsidePlayer::currentPlayerName(const PlayerTable& players) const {
    const std::optional<std::string> owner = associations_.defaultFor(kMp3Type);
    return owner ? nameOf(players, *owner) : stringText(TextId::NoPlayerAvailable);
}

std::string OutsidePlayer::currentPlayerName() const {
    return currentPlayerName(table());
}

std::string OutsidePlayer::savedPlayerName() const {
    const std::string saved = associations_.savedPlayer();
    const std::string name = saved.empty() ? std::string() : nameOf(table(), saved);
    return name.empty() ? stringText(TextId::NoPlayerAvailable) : name;
}

bool OutsidePlayer::isCurrentPlayerKnown() const {
    const std::optional<std::string> owner = associations_.defaultFor(kMp3Type);
    return owner && table().findByMp3Type(*owner).has_value();
}

std::optional<size_t> OutsidePlayer::rowOfPlayerInUse(const PlayerTable& players) const {
    const std::string player = associations_.isDefaultPlayer()
                                   ? associations_.savedPlayer()
                                   : associations_.defaultFor(kMp3Type).value_or("");
    return player.empty() ? std::nullopt : players.findByMp3Type(player);
}

bool OutsidePlayer::verbAvailable(size_t position) const {
    const PlayerTable players = table();
    const std::optional<size_t> row = rowOfPlayerInUse(players);
    return row && players.hasVerb(*row, position);
}

int OutsidePlayer::supportedAction(const PlayerTable& table, std::optional<size_t> row,
                                   int playerAction) const {
    if (!row) {
        return static_cast<int>(PlayerAction::Play);
    }
    if (table.hasVerb(*row, verbPosition(playerAction))) {
        return static_cast<int>(actionOf(playerAction));
    }
    if (table.hasVerb(*row, PlayerPlayVerb)) {
        return static_cast<int>(PlayerAction::Play);
    }
    if (table.hasVerb(*row, PlayerOpenVerb)) {
        return static_cast<int>(PlayerAction::Open);
    }
    return static_cast<int>(PlayerAction::Enqueue);
}

int OutsidePlayer::supportedAction(int playerAction) const {
    const PlayerTable players = table();
    return supportedAction(players, rowOfPlayerInUse(players), playerAction);
}

ExternalPlayerLabels OutsidePlayer::menuLabels(int playerAction) const {
    // One read of the table for the whole menu, so that a read-only file
    // is reported once, not once per item.
    const PlayerTable players = table();
    const std::optional<size_t> row = rowOfPlayerInUse(players);
    const auto has = [&](size_t position) { return row && players.hasVerb(*row, position); };
    ExternalPlayerLabels labels;
    labels.name = currentPlayerName(players);
    labels.actionText = actionWord(supportedAction(players, row, playerAction));
    labels.canAppendPlayList = has(PlayerAppendListVerb);
    const std::optional<std::string> listOwner = associations_.defaultFor(kM3uType);
    const std::optional<DesktopEntry> listEntry =
        listOwner ? findDesktopEntry(associations_.paths(), *listOwner) : std::nullopt;
    labels.canSetPlayList = has(PlayerSetListVerb) || (listEntry && !listEntry->exec.empty());
    return labels;
}

OutsidePlayerInfo OutsidePlayer::preferencesInfo() const {
    // One read of the table, as for the menus.
    const PlayerTable players = table();
    const std::optional<size_t> row = rowOfPlayerInUse(players);
    const auto has = [&](size_t position) { return row && players.hasVerb(*row, position); };
    const std::string saved = associations_.savedPlayer();
    const std::optional<std::string> owner = associations_.defaultFor(kMp3Type);
    OutsidePlayerInfo info;
    info.mp3Associated = associations_.isDefaultPlayer();
    info.known = !saved.empty() || (owner && !info.mp3Associated);
    const std::string savedName = saved.empty() ? std::string() : nameOf(players, saved);
    info.savedName = savedName.empty() ? stringText(TextId::NoPlayerAvailable) : savedName;
    info.currentName = currentPlayerName(players);
    info.described = row.has_value();
    info.canOpen = has(PlayerOpenVerb);
    info.canPlay = has(PlayerPlayVerb);
    info.canEnqueue = has(PlayerEnqueueVerb);
    return info;
}

bool OutsidePlayer::launch(const std::string& commandLine, const std::string& path) {
    const std::optional<std::vector<std::string>> argv = buildLaunchCommand(commandLine, path);
    if (!argv || !files::exists(path) || !launcher_.startDetached(*argv)) {
        prompter_.message(stringText(TextId::OutsidePlayerOpenFailed), Icon::Exclamation);
        return false;
    }
    return true;
}

bool OutsidePlayer::openWithEntry(const std::string& desktopId, const std::string& path) {
    const std::optional<DesktopEntry> entry =
        desktopId.empty() ? std::nullopt : findDesktopEntry(associations_.paths(), desktopId);
    if (entry && !entry->exec.empty()) {
        return launch(entry->exec, path);
    }
    if (!unsupportedShown_) {
        unsupportedShown_ = true;
        prompter_.message(stringText(TextId::UnsupportedPlayer));
    }
    return false;
}

bool OutsidePlayer::openFile(const std::string& path, int playerAction) {
    if (associations_.isDefaultPlayer()) {
        prompter_.message(stringText(TextId::AlreadyDefaultPlayer));
        return false;
    }
    const std::optional<std::string> owner = associations_.defaultFor(kMp3Type);
    if (!owner) {
        prompter_.message(stringText(TextId::DefaultPlayerUnknown));
        return false;
    }
    const PlayerTable players = table();
    const std::optional<size_t> row = players.findByMp3Type(*owner);
    if (!row) {
        return openWithEntry(*owner, path);
    }
    // Asking a player for a verb it lacks would fail: it does the nearest
    // thing it can instead.
    const size_t position = verbPosition(supportedAction(players, row, playerAction));
    if (!players.hasVerb(*row, position)) {
        return openWithEntry(*owner, path);
    }
    return launch(players.field(*row, position), path);
}

bool OutsidePlayer::openPlayList(const std::string& path, size_t position) {
    const std::string owner = associations_.defaultFor(kM3uType).value_or("");
    const PlayerTable players = table();
    const std::optional<size_t> row = owner.empty() ? std::nullopt : players.findByM3uType(owner);
    if (!row || !players.hasVerb(*row, position)) {
        return openWithEntry(owner, path);
    }
    return launch(players.field(*row, position), path);
}

bool OutsidePlayer::handPlayList(const std::vector<PlayListEntry>& entries, bool append) {
    const std::string path =
        associations_.paths().dataFolder + "/Sonara Temporary Playlist File.M3U";
    std::remove(path.c_str());  // the last one goes; a file that stays is overwritten
    if (const Status written = text_playlist::write(path, entries); !written) {
        prompter_.message(written.error(), Icon::Exclamation);
        return false;
    }
    return openPlayList(path, append ? PlayerAppendListVerb : PlayerSetListVerb);
}

}  // namespace sonara
