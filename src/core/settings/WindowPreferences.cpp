#include "core/settings/WindowPreferences.h"

#include "core/settings/Preferences.h"

namespace sonara {

ViewMode WindowPreferences::lastView() const {
    return viewModeFromNumber(values_.lastView).value_or(ViewMode::Normal);
}

void WindowPreferences::setLastView(ViewMode view) {
    values_.lastView = viewModeNumber(view);
}

SearchField WindowPreferences::searchField() const {
    return searchFieldFromCode(values_.searchBy).value_or(SearchField::All);
}

void WindowPreferences::setSearchField(SearchField field) {
    values_.searchBy = static_cast<int>(field);
}

PlayerAction WindowPreferences::playerAction() const {
    return playerActionFromNumber(values_.playerAction).value_or(PlayerAction::Open);
}

void WindowPreferences::setPlayerAction(PlayerAction action) {
    values_.playerAction = static_cast<int>(action);
}

}  // namespace sonara
