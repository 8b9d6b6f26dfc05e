#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "core/app/Prompter.h"
#include "core/library/Library.h"
#include "core/mainwnd/ViewMode.h"
#include "core/playlist/PlayListAdder.h"

namespace sonara {

// The chart of the most requested library songs, by play count. The view
// borrows the library's records; reopen() after the library changed.
// User-interface thread.
class Top100Chart {
  public:
    static constexpr size_t kMaxRows = 100;

    // `playList` adds to the current play list, attached to `library`, as
    // `view` shows it.
    Top100Chart(Library& library, PlayListAdder& playList, ViewMode view, Prompter& prompter);

    // Every record with a non-zero play count; the first 100 of the view
    // are ranked by play count, most first (ties in library order), and
    // become the rows, numbered from 1. The rest follow in no defined order.
    void reopen();
    const std::vector<LibraryRecord*>& view() const { return view_; }
    size_t rowCount() const;
    // The record of a row (0-based), nullptr outside the rows.
    LibraryRecord* rowRecord(size_t row) const;

    // "Add": the row's song goes to the current play list as from the
    // library (a play counted, the data files saved). The caller closes the
    // chart. Nothing happens without a row. Returns its play-list row.
    std::optional<size_t> add(std::optional<size_t> row);
    // A double click: the same add, then "Song added to playlist" when the
    // song's file was found and the add went through.
    std::optional<size_t> addAndTell(size_t row);
    // "Clear": on Yes every play count becomes 0 and the chart empties; the
    // caller saves the library. True when cleared.
    bool clear();

  private:
    Library& library_;
    PlayListAdder& playList_;
    ViewMode viewMode_;
    Prompter& prompter_;
    std::vector<LibraryRecord*> view_;
};

}  // namespace sonara
