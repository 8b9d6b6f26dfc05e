#include "core/playlist/PlaySequence.h"

#include <algorithm>
#include <chrono>

#include "core/library/Library.h"
#include "core/playlist/NowPlaying.h"
#include "core/playlist/PlayList.h"
#include "core/playlist/PlayListPlayer.h"

namespace sonara {

PlaySequence::PlaySequence(PlayList& list, NowPlaying& nowPlaying, Prompter& prompter,
                           PathCache& pathCache, SourcesList& sources, PlaySequenceOptions options)
    : list_(list),
      nowPlaying_(nowPlaying),
      prompter_(prompter),
      pathCache_(pathCache),
      sources_(sources),
      options_(std::move(options)),
      random_(uint32_t(std::chrono::system_clock::now().time_since_epoch().count())) {}

bool PlaySequence::playerIsPlaying() const {
    return player_ != nullptr && player_->isPlaying();
}

std::optional<size_t> PlaySequence::chooseNext(int direction, bool force) {
    // Without a current entry (a list just loaded, cleared of its current
    // entry or reset) the first unplayed entry is next, so Play and Next
    // still start something.
    const PlayList::Neighbour step =
        list_.current() ? list_.neighbour(direction)
                        : PlayList::Neighbour{list_.firstUnplayed(direction), false};
    if (options_.randomAdd) {
        if ((playerIsPlaying() || force) && (step.wrapped || !step.row)) {
            return pickRandom();
        }
        return step.row;
    }
    if (step.wrapped) {
        return std::nullopt;  // the list does not loop
    }
    return step.row;
}

void PlaySequence::removePlayed(std::optional<size_t> previous) {
    // Only a song that was played goes: stepping through the list while
    // stopped passes entries that never played.
    if (previous && *previous < list_.count() && options_.removePlayedSong &&
        list_.at(*previous).state == EntryState::Played) {
        list_.erase({*previous});
    }
}

bool PlaySequence::advance(int direction, bool force) {
    const std::optional<size_t> previous = list_.current();
    std::optional<size_t> next = chooseNext(direction, force);
    // A skipped file never comes round again; with "Random Add" every skip
    // may append a new title, so the library's size bounds the attempts too.
    std::vector<size_t> tried;
    size_t attemptsLeft = list_.count() + (library_ != nullptr ? library_->count() : 0) + 1;
    while (next) {
        if (playerIsPlaying() || force) {
            stopCurrent();
            list_.makeCurrent(*next);
            tried.push_back(*next);
            const Status played = playCurrent();
            if (played) {
                removePlayed(previous);
                return true;
            }
            if (played.kind() != ErrorKind::Rejected) {
                return false;  // the device fails: the engine told the user
            }
            next = chooseNext(direction, true);
            if (next && (std::find(tried.begin(), tried.end(), *next) != tried.end() ||
                         --attemptsLeft == 0)) {
                next.reset();
            }
            force = true;
            continue;
        }
        list_.makeCurrent(*next);
        removePlayed(previous);
        return true;
    }
    stopCurrent();
    nowPlaying_.halted();
    removePlayed(previous);
    return false;
}

Status PlaySequence::playCurrent() {
    if (!list_.current() || player_ == nullptr) {
        return Status::failure(ErrorKind::Other, "nothing to play");
    }
    player_->stopIfOpen();
    // The stop ran queued tasks, which may have changed the list.
    if (!list_.current()) {
        return Status::failure(ErrorKind::Other, "nothing to play");
    }
    const size_t row = *list_.current();
    const PlayListEntry entry = list_.at(row);
    if (Status opened = player_->open(entry.path); !opened) {
        nowPlaying_.halted();
        player_->stopIfOpen();
        return opened;
    }
    list_.setCurrentState(EntryState::Current);
    nowPlaying_.songStarted(row, entry);
    if (Status played = player_->play(); !played) {
        nowPlaying_.songStopped();  // nothing plays after all
        return played;
    }
    return Status::success();
}

void PlaySequence::stopCurrent() {
    if (player_ != nullptr) {
        player_->stopIfOpen();
    }
    list_.setCurrentState(EntryState::Played);
    nowPlaying_.songStopped();
}

void PlaySequence::stop() {
    stopCurrent();
    nowPlaying_.resetDisplay();
}

size_t PlaySequence::append(PlayListEntry entry, bool playNow) {
    const size_t row = list_.append(std::move(entry));
    if (playNow) {
        stopCurrent();
        list_.makeCurrent(row);
        // A file that will not play stays queued; a failed device was
        // reported by the engine.
        static_cast<void>(playCurrent());
    }
    return row;
}

}  // namespace sonara
