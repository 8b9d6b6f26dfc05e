#pragma once

#include <optional>

namespace sonara {

// The "Search By" box's field codes, as "SearchBy" stores them. The box lists
// All, Artist, Album, Title, Genre in that order, so the codes are not the
// item positions.
enum class SearchField : int { All = 0, Artist = 1, Title = 2, Genre = 3, Album = 4 };

// The "Search By" box's items in the order it lists them, and the field of
// each ("SearchBy" is written with the field's code when the choice changes).
inline constexpr const char* kSearchByItems[] = {"All", "Artist", "Album", "Title", "Genre"};
SearchField searchFieldOfItem(int item);  // an item outside 0..4 is All
int itemOfSearchField(SearchField field);

// The field a distinct-value lister and its selector dialog work on.
enum class ListerField : int { Artist = 0, Album = 1, Title = 2 };

// One of a record's display values.
enum class DisplayField { Title, Artist, Album };

// A stored code outside 0..4 is nothing.
std::optional<SearchField> searchFieldFromCode(int code);
// The selector for a search field: All and Artist list artists; Genre has
// none (it uses the genre picker).
std::optional<ListerField> listerFieldFor(SearchField field);
DisplayField displayFieldOf(ListerField field);

}  // namespace sonara
