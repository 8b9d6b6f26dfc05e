#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sonara {

class LibraryRecord;
struct NormaliseOptions;
struct Preferences;

// The optional columns of the song lists, in the order they stand when all
// are shown ("ShowArtist", "ShowAlbum", "ShowTitle", "ShowLength").
enum class LibraryColumn { Artist, Album, Title, Length };

// The columns the preferences switch on, in list order. A preference file
// with all four off (edited by hand: the Show/Hide Columns dialog insists on
// one) shows the title alone, so the list never ends up without a column.
std::vector<LibraryColumn> shownLibraryColumns(const Preferences& values);

const std::string& libraryColumnHeader(LibraryColumn column);

// A cell as the list shows it: the record's display value, or its length as
// the time display writes it (empty for a length of 0, which means unknown).
std::string libraryCellText(const LibraryRecord& record, LibraryColumn column,
                            const NormaliseOptions& options);

// What the library list shows after the library changed (and when the
// window opens): the letter "A" for a library of 200 records or more, so a
// large library does not come up as one endless list, else every record.
std::string_view firstFillLetter(size_t recordCount);

}  // namespace sonara
