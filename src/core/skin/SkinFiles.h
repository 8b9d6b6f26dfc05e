#pragma once

#include <array>
#include <string_view>

#include "core/settings/EdgeRect.h"

// The fixed table of a skin's files. The index is how every drawing part
// names a skin bitmap.
namespace sonara::skin {

inline constexpr int kFileCount = 24;
inline constexpr int kNoBitmap = 24;  // "no skin bitmap" for pictures

enum FileIndex : int {
    kLargeButton = 0,
    kLogo = 1,
    kMediumButton = 2,
    kMiniToolBar = 3,
    kPlayProgress = 4,
    kSearchToolbar = 5,
    kSmallButton = 6,
    kTile = 7,
    kDialogBackground = 8,
    kVol = 9,
    kVolPic = 10,
    kFontInfo = 11,
    kPlayerBackground = 12,
    kMenuBackground = 13,
    kLogoSmall = 14,
    kHScrollBackground = 15,
    kHScrollButtons = 16,
    kVScrollBackground = 17,
    kVScrollButtons = 18,
    kKeyboardBackground = 19,
    kKeyLarge = 20,
    kKeyMedium = 21,
    kKeySmall = 22,
    kKeySpacebar = 23,
};

struct SkinFileInfo {
    std::string_view name;  // as on disk; found ignoring case
    bool hasBuiltIn;        // the default skin carries a copy
    int cellsAcross;        // 5 for the button strips, 0 for FontInfo.ini
    bool required;          // a valid skin folder must have it
    int fallback;           // index answered when missing, or -1
};

const SkinFileInfo& fileInfo(int index);

// Rows of the large and medium strips when their captions are drawn in.
inline constexpr int kLargeCaptionRows = 20;
inline constexpr int kMediumCaptionRows = 16;

// Large-strip caption rows, top to bottom.
enum LargeRow : int {
    kRowOk = 0,
    kRowCancel,
    kRowClose,
    kRowAdd,
    kRowEdit,
    kRowTagInfo,
    kRowDelete,
    kRowSearch,
    kRowRemove,
    kRowOptions,
    kRowClearAll,
    kRowReset,
    kRowBrowse,
    kRowBegin,
    kRowPrevious,
    kRowNext,
    kRowPlay,
    kRowSelect,
    kRowRename,
    kRowGenre,
};
// The captions of those rows, as drawn into the built-in strip.
const std::array<std::string_view, kLargeCaptionRows>& largeRowCaptions();

// Medium-strip rows of the main window's buttons.
enum MediumRow : int {
    kMediumRowPrevious = 2,
    kMediumRowPlay = 3,
    kMediumRowPause = 4,
    kMediumRowStop = 5,
    kMediumRowNext = 6,
    kMediumRowFile = 7,
    kMediumRowAddToPlayList = 8,
    kMediumRowRemove = 9,
    kMediumRowWorkSpace = 10,
    kMediumRowMoveUp = 11,
    kMediumRowMoveDown = 12,
};

// Button state columns of every strip.
enum StateColumn : int { kUp = 0, kDown = 1, kFocus = 2, kMouseOver = 3, kDisabled = 4 };

using CellRect = EdgeRect;

// The cell of (column, row) in a bitmap of the given size cut into
// `cellsAcross` columns and `rows` rows (rows 1: the full height). A zero
// count gives an empty cell rather than a division by zero.
CellRect cellRect(int bitmapWidth, int bitmapHeight, int cellsAcross, int rows, int column,
                  int row);

}  // namespace sonara::skin
