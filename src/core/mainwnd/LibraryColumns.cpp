#include "core/mainwnd/LibraryColumns.h"

#include "core/app/StringTable.h"
#include "core/library/LibraryRecord.h"
#include "core/library/search/DisplayMatch.h"
#include "core/playlist/PlayTime.h"
#include "core/settings/Preferences.h"

namespace sonara {

std::vector<LibraryColumn> shownLibraryColumns(const Preferences& values) {
    std::vector<LibraryColumn> columns;
    if (values.showArtist != 0) {
        columns.push_back(LibraryColumn::Artist);
    }
    if (values.showAlbum != 0) {
        columns.push_back(LibraryColumn::Album);
    }
    if (values.showTitle != 0) {
        columns.push_back(LibraryColumn::Title);
    }
    if (values.showLength != 0) {
        columns.push_back(LibraryColumn::Length);
    }
    if (columns.empty()) {
        columns.push_back(LibraryColumn::Title);
    }
    return columns;
}

const std::string& libraryColumnHeader(LibraryColumn column) {
    switch (column) {
        case LibraryColumn::Artist:
            return stringText(TextId::ArtistColumn);
        case LibraryColumn::Album:
            return stringText(TextId::AlbumColumn);
        case LibraryColumn::Title:
            return stringText(TextId::TitleColumn);
        case LibraryColumn::Length:
            break;
    }
    return stringText(TextId::LengthColumn);
}

std::string libraryCellText(const LibraryRecord& record, LibraryColumn column,
                            const NormaliseOptions& options) {
    switch (column) {
        case LibraryColumn::Artist:
            return displayValue(record, DisplayField::Artist, options);
        case LibraryColumn::Album:
            return displayValue(record, DisplayField::Album, options);
        case LibraryColumn::Title:
            return displayValue(record, DisplayField::Title, options);
        case LibraryColumn::Length:
            break;
    }
    return record.lengthSeconds > 0 ? formatPlayTime(record.lengthSeconds) : std::string();
}

std::string_view firstFillLetter(size_t recordCount) {
    return recordCount >= 200 ? "A" : "*";
}

}  // namespace sonara
