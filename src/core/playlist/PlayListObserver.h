#pragma once

#include <cstddef>

namespace sonara {

struct PlayListTotals;

// What the play list reports after each change, for a list that mirrors its
// entries row for row (row i shows entry i). Called on the user-interface
// thread once the change is complete, so a notice may read the list back;
// a notice must not change the list.
class PlayListObserver {
  public:
    virtual ~PlayListObserver() = default;

    virtual void rowsInserted(size_t first, size_t count) = 0;
    // Removals of several runs come last run first, so each notice's rows
    // are where the mirror still has them.
    virtual void rowsRemoved(size_t first, size_t count) = 0;
    // The rows' entries (path, texts or state) changed in place.
    virtual void rowsChanged(size_t first, size_t count) = 0;
    // Every row changed (shuffle): rebuild them from the list.
    virtual void rowsReset() = 0;
    virtual void totalsChanged(const PlayListTotals& totals) = 0;
};

}  // namespace sonara
