#pragma once

#include <string>

#include "core/app/Dispatcher.h"
#include "core/playlist/PlayListOptions.h"

namespace sonara {

class DataFileSaver;
class Drives;
class Library;
class PlayListAdder;
class PlaySequence;
class RecordFactory;
class SourcesList;

// An MP3 file opened from the shell, a second instance or a drop: into the
// library and the play list as "AddToLibrary", "AddToPlayList" and
// "SNEnqueueAction" say. Of several files opened in one burst the first
// plays and the rest queue behind it: each open (re)starts a one-shot
// enqueue timer, and while it runs and the player plays, files only queue.
// Borrows everything. User-interface thread only; the timer runs through
// the Dispatcher.
class SongOpener {
  public:
    static constexpr int kEnqueueTimerMs = 3500;

    // `drives` may be null: every path then counts as on a fixed drive.
    SongOpener(SongOpenerOptions options, Library& library, SourcesList& sources,
               RecordFactory& records, PlayListAdder& adder, PlaySequence& sequence,
               Dispatcher& dispatcher, DataFileSaver& saver, const Drives* drives);
    ~SongOpener();
    SongOpener(const SongOpener&) = delete;
    SongOpener& operator=(const SongOpener&) = delete;

    void setOptions(SongOpenerOptions options) { options_ = options; }
    void open(const std::string& path);
    bool enqueueTimerRunning() const { return enqueueTimer_.running(); }

  private:
    void restartEnqueueTimer();

    SongOpenerOptions options_;
    Library& library_;
    SourcesList& sources_;
    RecordFactory& records_;
    PlayListAdder& adder_;
    PlaySequence& sequence_;
    Dispatcher& dispatcher_;
    DataFileSaver& saver_;
    const Drives* drives_;
    TimerHandle enqueueTimer_;
};

}  // namespace sonara
