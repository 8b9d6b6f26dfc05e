#pragma once

#include <cstddef>
#include <optional>
#include <random>
#include <vector>

#include "core/io/Result.h"
#include "core/playlist/PlayListEntry.h"
#include "core/playlist/PlayListOptions.h"
#include "core/playlist/RandomPool.h"

namespace sonara {

class Library;
class NowPlaying;
class PathCache;
class PlayList;
class PlayListPlayer;
class Prompter;
class SourcesList;

// Plays the current play list: what plays next, playing and stopping the
// current entry, the edits that must stop it first, and random adds. It
// tells the now-playing model what plays.
//
// Borrows everything; the player and the library may be absent (null).
// User-interface thread only. Calls into the player may run queued
// Dispatcher tasks, so every operation reads the list afresh after them.
class PlaySequence {
  public:
    PlaySequence(PlayList& list, NowPlaying& nowPlaying, Prompter& prompter, PathCache& pathCache,
                 SourcesList& sources, PlaySequenceOptions options = {});
    PlaySequence(const PlaySequence&) = delete;
    PlaySequence& operator=(const PlaySequence&) = delete;

    void setOptions(PlaySequenceOptions options) { options_ = std::move(options); }
    const PlaySequenceOptions& options() const { return options_; }
    void setLibrary(Library* library) { library_ = library; }
    void setPlayer(PlayListPlayer* player) { player_ = player; }

    PlayList& list() { return list_; }
    NowPlaying& nowPlaying() { return nowPlaying_; }
    bool playerIsPlaying() const;

    // What plays next (direction 1) or before (0); may append a random title
    // ("Random Add").
    std::optional<size_t> chooseNext(int direction, bool force);
    // Goes to the next or previous entry and plays it when the player plays
    // or `force` is set, skipping files the player rejects. Whether something
    // now plays (or, stopped and not forced, whether an entry was chosen).
    bool advance(int direction, bool force);
    Status playCurrent();
    // Stops the player, marks the current entry Played.
    void stopCurrent();
    // The Stop button (of the window, the tray, the media keys): stopCurrent
    // and the display back to idle.
    void stop();

    // Appends the entry; with `playNow` it stops what plays and plays it.
    size_t append(PlayListEntry entry, bool playNow);
    // Removes the rows (stopping the current entry when it plays); returns
    // the row to select, none when the list is now empty.
    std::optional<size_t> remove(std::vector<size_t> rows);
    // Stops and empties the list.
    void clear();
    // A new random order; the playing entry goes to the top. The row to
    // select (the first), none when nothing changed.
    std::optional<size_t> shuffle();
    void resetPlayed(const std::vector<size_t>& rows);
    // The row to select (the first), none when the list is empty.
    std::optional<size_t> resetAllPlayed();

    // Library indexes for random adds, filtered by "RandomGenre"; reseeds.
    void rebuildRandomPool();
    const RandomPool& randomPool() const { return pool_; }
    // Appends a random library title whose file can be found (without
    // asking); message 7175 and none when there is none.
    std::optional<size_t> pickRandom();
    // pickRandom `titles` times; how many were added.
    int addRandom(int titles);

  private:
    void removePlayed(std::optional<size_t> previous);
    // Stops the current entry when it plays and is among `rows`; whether it
    // was among them.
    bool stopIfAmong(const std::vector<size_t>& rows);

    PlayList& list_;
    NowPlaying& nowPlaying_;
    Prompter& prompter_;
    PathCache& pathCache_;
    SourcesList& sources_;
    PlaySequenceOptions options_;
    Library* library_ = nullptr;
    PlayListPlayer* player_ = nullptr;
    RandomPool pool_;
    std::minstd_rand random_;
};

}  // namespace sonara
