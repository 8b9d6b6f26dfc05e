#pragma once

#include <optional>

#include "core/library/search/SearchField.h"
#include "core/mainwnd/ViewMode.h"

namespace sonara {

struct Preferences;

// "PlayerAction": what opening a song from outside does.
enum class PlayerAction : int { Open = 0, Play = 1, Enqueue = 2 };

// A stored number outside 0 to 2 is nothing.
constexpr std::optional<PlayerAction> playerActionFromNumber(int number) {
    if (number < 0 || number > 2) {
        return std::nullopt;
    }
    return static_cast<PlayerAction>(number);
}

// The main window's number-coded choices kept between runs, as enums. A view
// of the preference values: reads and writes go straight through, and the
// values keep their stored numbers, so a number this view does not know
// stays in the file until a new choice replaces it. Borrows the values.
class WindowPreferences {
  public:
    explicit WindowPreferences(Preferences& values) : values_(values) {}

    // "LastView"; a number outside 0 to 7 reads as Normal.
    ViewMode lastView() const;
    void setLastView(ViewMode view);
    // "SearchBy"; a code outside 0 to 4 reads as All.
    SearchField searchField() const;
    void setSearchField(SearchField field);
    // "PlayerAction"; a number outside 0 to 2 reads as Open.
    PlayerAction playerAction() const;
    void setPlayerAction(PlayerAction action);

  private:
    Preferences& values_;
};

}  // namespace sonara
