#include "core/mainwnd/MainTemplate.h"

#include <array>
#include <cstdint>

#include "core/mainwnd/LayoutFraction.h"

namespace sonara {

namespace {

using enum ControlId;
using K = ControlKind;

constexpr TemplateControl control(ControlId id, ControlKind kind, std::string_view text, int x,
                                  int y, int width, int height, bool hidden = false) {
    return TemplateControl{id, kind, text, Rect{x, y, width, height}, hidden};
}

// clang-format off
constexpr std::array kControls = {
    control(MenuButton, K::Button, "", 3, 1, 18, 14),
    control(MiniToolbar, K::Static, "MiniToolbar", 368, 2, 98, 10),
    control(LargeSkinImage, K::Static, "Static", 184, 7, 103, 26),
    control(SmallSkinImage, K::Static, "Static", 184, 43, 103, 12),
    control(LibraryLabel, K::Static, "Library", 10, 24, 210, 11),
    control(SearchByLabel, K::Static, "Search By:", 17, 38, 55, 11),
    control(SearchField, K::ComboBox, "", 17, 50, 55, 72),
    control(ContainingTextLabel, K::Static, "Containing Text:", 17, 73, 78, 11),
    control(SearchText, K::ComboBox, "", 97, 72, 97, 147),
    control(GoButton, K::Button, "Go", 198, 72, 25, 15),
    control(TouchScreenCaption, K::Static, "Select Artist First Letter", 99, 41, 73, 8, true),
    control(TouchScreenSearch, K::Button, "TSsrch", 133, 57, 30, 14, true),
    control(TouchScreenBack, K::Button, "Back", 165, 57, 30, 14, true),
    control(LibraryList, K::ListView, "", 11, 87, 212, 192),
    control(AddButton, K::Button, "Add", 30, 283, 50, 14),
    control(EditButton, K::Button, "Edit", 88, 283, 50, 14),
    control(RemoveButton, K::Button, "Remove", 147, 283, 50, 14),
    control(AddToPlayListButton, K::Button, ">>", 225, 117, 24, 14),
    control(RemoveFromPlayListButton, K::Button, "<<", 225, 134, 24, 14),
    control(ScrollingTitle, K::Static, "", 256, 29, 202, 11),
    control(SecondTitleLine, K::Static, "", 256, 39, 202, 11),
    control(SeekStartLabel, K::Static, "", 254, 46, 52, 8),
    control(TimeDisplay, K::Static, "", 337, 46, 30, 8),
    control(SeekEndLabel, K::Static, "", 407, 46, 51, 8),
    control(SeekBar, K::Static, "", 255, 54, 204, 8),
    control(PreviousButton, K::Button, "", 272, 63, 18, 14),
    control(PlayButton, K::Button, "", 290, 63, 18, 14),
    control(PauseButton, K::Button, "", 308, 63, 18, 14),
    control(StopButton, K::Button, "", 326, 63, 18, 14),
    control(NextButton, K::Button, "", 344, 63, 18, 14),
    control(FileButton, K::Button, "&^", 368, 63, 18, 14),
    control(VolumeIcon, K::Static, "Static", 394, 65, 8, 8),
    control(VolumeSlider, K::Static, "VolumeProgress", 404, 67, 51, 8),
    control(LargeSpectrum, K::Spectrum, "", 251, 85, 209, 31),
    control(PlayListLabel, K::Static, "Playlist", 278, 116, 156, 11),
    control(PlayList, K::ListView, "", 249, 110, 212, 153),
    control(WorkSpaceButton, K::Button, "", 440, 109, 20, 14),
    control(EqButton, K::Button, "Eq", 285, 116, 18, 14, true),
    control(VolButton, K::Button, "Vol", 267, 117, 18, 14),
    control(FileDescription, K::Static, "", 278, 215, 81, 11),
    control(MoveLabel, K::Static, "Move:", 257, 261, 29, 8),
    control(UpButton, K::Button, "Up", 284, 259, 24, 15),
    control(DownButton, K::Button, "Dn", 306, 259, 24, 15),
    control(TotalsFrame, K::GroupBox, "", 335, 253, 120, 45),
    control(TotalLabel, K::Static, "Total:", 340, 262, 30, 9),
    control(TotalValue, K::Static, "", 374, 262, 72, 9),
    control(LeftLabel, K::Static, "Left:", 340, 272, 30, 9),
    control(LeftValue, K::Static, "", 375, 273, 71, 9),
    control(PlayedProgress, K::ProgressBar, "", 341, 284, 107, 9),
    control(ShortLevelLeft, K::LevelMeter, "", 224, 168, 11, 83),
    control(ShortLevelRight, K::LevelMeter, "", 237, 168, 11, 83),
    control(TallLevelLeft, K::LevelMeter, "", 2, 26, 6, 260),
    control(TallLevelRight, K::LevelMeter, "", 464, 26, 6, 260),
    control(SmallSpectrum, K::Spectrum, "", 256, 277, 73, 18),
    control(DisplayTimer, K::HiResTimer, "", 206, 280, 19, 17),
    // Four spare statics in two rows of two.
    control(Unused1302, K::Static, "Static", 225, 255, 9, 8, true),
    control(Unused1303, K::Static, "Static", 239, 255, 9, 8, true),
    control(Unused1304, K::Static, "Static", 225, 267, 9, 8, true),
    control(Unused1305, K::Static, "Static", 239, 267, 9, 8, true),
};
// clang-format on

}  // namespace

std::span<const TemplateControl> MainTemplate::controls() {
    return kControls;
}

const TemplateControl* MainTemplate::find(ControlId id) {
    for (const TemplateControl& entry : kControls) {
        if (entry.id == id) {
            return &entry;
        }
    }
    return nullptr;
}

Rect MainTemplate::clientPixels() {
    return dialogUnitsToPixels(Rect{0, 0, kClientWidthUnits, kClientHeightUnits});
}

Rect MainTemplate::pixelRect(ControlId id) {
    const TemplateControl* entry = find(id);
    return entry != nullptr ? dialogUnitsToPixels(entry->units) : Rect{};
}

int horizontalUnitsToPixels(int units) {
    return roundedQuotient(std::int64_t{units} * 3, 2);
}

int verticalUnitsToPixels(int units) {
    return roundedQuotient(std::int64_t{units} * 13, 8);
}

Rect dialogUnitsToPixels(const Rect& units) {
    return Rect::fromEdges(horizontalUnitsToPixels(units.left), verticalUnitsToPixels(units.top),
                           horizontalUnitsToPixels(units.right()),
                           verticalUnitsToPixels(units.bottom()));
}

}  // namespace sonara
