#include "core/skin/SkinFiles.h"

namespace sonara::skin {

namespace {

constexpr std::array<SkinFileInfo, kFileCount> kFiles = {{
    {"LargeButton.bmp", true, 5, true, -1},
    {"Logo.bmp", true, 1, true, -1},
    {"MediumButton.bmp", true, 5, true, -1},
    {"MiniToolBar.bmp", true, 1, true, -1},
    {"PlayProgress.bmp", true, 1, true, -1},
    {"SearchToolbar.bmp", true, 1, true, -1},
    {"SmallButton.bmp", true, 5, true, -1},
    {"Tile.bmp", true, 1, true, -1},
    {"DialogBackground.bmp", false, 1, false, kTile},
    {"vol.bmp", true, 1, true, -1},
    {"VolPic.bmp", true, 1, true, -1},
    {"FontInfo.ini", true, 0, true, -1},
    {"PlayerBackground.bmp", false, 1, false, -1},
    {"MenuBackground.bmp", false, 1, false, kTile},
    {"LogoSmall.bmp", true, 1, false, -1},
    {"hscrollbar background.bmp", false, 1, false, -1},
    {"hscrollbar buttons.bmp", false, 1, false, -1},
    {"vscrollbar background.bmp", false, 1, false, -1},
    {"vscrollbar buttons.bmp", false, 1, false, -1},
    {"keyboardbackground.bmp", false, 1, false, -1},
    {"keylarge.bmp", false, 1, false, -1},
    {"keymedium.bmp", false, 1, false, -1},
    {"keysmall.bmp", false, 1, false, -1},
    {"keyspacebar.bmp", false, 1, false, -1},
}};

constexpr std::array<std::string_view, kLargeCaptionRows> kLargeCaptions = {
    "OK",       "CANCEL", "CLOSE",   "ADD",       "EDIT",   "TAG INFO", "DELETE",
    "SEARCH",   "REMOVE", "OPTIONS", "CLEAR ALL", "RESET",  "BROWSE",   "BEGIN",
    "PREVIOUS", "NEXT",   "PLAY",    "SELECT",    "RENAME", "GENRE",
};

}  // namespace

const SkinFileInfo& fileInfo(int index) {
    return kFiles[size_t(index < 0 || index >= kFileCount ? 0 : index)];
}

const std::array<std::string_view, kLargeCaptionRows>& largeRowCaptions() {
    return kLargeCaptions;
}

CellRect cellRect(int bitmapWidth, int bitmapHeight, int cellsAcross, int rows, int column,
                  int row) {
    if (cellsAcross <= 0 || rows <= 0 || bitmapWidth <= 0 || bitmapHeight <= 0) {
        return {};
    }
    const int cellWidth = bitmapWidth / cellsAcross;
    CellRect cell;
    cell.left = column * cellWidth;
    cell.right = cell.left + cellWidth;
    if (rows > 1) {
        const int rowHeight = bitmapHeight / rows;
        cell.top = row * rowHeight;
        cell.bottom = cell.top + rowHeight;
    } else {
        cell.bottom = bitmapHeight;
    }
    return cell;
}

}  // namespace sonara::skin
