#include "core/mainwnd/LayoutTableRows.h"

namespace sonara {

namespace {

using enum ControlId;
using R = LayoutRowSpec;

// clang-format off
const R kNormalAndTouchScreen[] = {
    {MiniToolbar, 0x4004}, {LibraryList, 0x115}, {PlayList, 0x114},
    {AddToPlayListButton, 0x0}, {RemoveFromPlayListButton, 0x0},
    {LargeSkinImage, 0x204, AddToPlayListButton},
    {EditButton, 0x208, LibraryList},
    {AddButton, 0xC0, EditButton}, {RemoveButton, 0xC0, EditButton},
    {SeekBar, 0x204, PlayList},
    {VolumeSlider, 0xC0, SeekBar}, {ScrollingTitle, 0xC0, SeekBar},
    {SecondTitleLine, 0xC0, SeekBar}, {SeekStartLabel, 0xC0, SeekBar},
    {TimeDisplay, 0xC0, SeekBar}, {SeekEndLabel, 0xC0, SeekBar},
    {PlayListLabel, 0xC0, SeekBar}, {PreviousButton, 0xC0, SeekBar},
    {PlayButton, 0xC0, PreviousButton}, {PauseButton, 0xC0, PreviousButton},
    {StopButton, 0xC0, PreviousButton}, {NextButton, 0xC0, PreviousButton},
    {FileButton, 0xC0, PreviousButton},
    {VolumeIcon, 0xC0, SeekBar},
    {TotalsFrame, 0x108},
    {TotalLabel, 0xC0, TotalsFrame}, {TotalValue, 0xC0, TotalsFrame},
    {LeftLabel, 0xC0, TotalsFrame}, {LeftValue, 0xC0, TotalsFrame},
    {PlayedProgress, 0xC0, TotalsFrame}, {MoveLabel, 0xC0, TotalsFrame},
    {UpButton, 0xC0, TotalsFrame}, {DownButton, 0xC0, TotalsFrame},
    {LibraryLabel, 0x204, LibraryList},
    {LibraryToolBar, 0xC0, LibraryLabel}, {SearchByLabel, 0xC0, LibraryLabel},
    {SearchField, 0xC0, LibraryLabel}, {ContainingTextLabel, 0xC0, LibraryLabel},
    {SearchText, 0xC0, LibraryLabel}, {GoButton, 0xC0, LibraryLabel},
    {MenuButton, 0xC00},
    {TallLevelLeft, 0x4408000, LibraryLabel}, {TallLevelRight, 0x40C000, LibraryLabel},
    {ShortLevelLeft, 0x0}, {ShortLevelRight, 0x0},
    {LargeSpectrum, 0x14}, {SmallSpectrum, 0x118},
};

const R kParty[] = {
    {LibraryList, 0x20015}, {PlayList, 0x114}, {AddToPlayListButton, 0x0},
    {LargeSkinImage, 0x204, AddToPlayListButton},
    {SeekBar, 0x204, PlayList},
    {ScrollingTitle, 0xC0, SeekBar}, {SecondTitleLine, 0xC0, SeekBar},
    {SeekStartLabel, 0xC0, SeekBar}, {TimeDisplay, 0xC0, SeekBar},
    {SeekEndLabel, 0xC0, SeekBar}, {PlayListLabel, 0xC0, SeekBar},
    {PauseButton, 0xC0, SeekBar},
    {PauseButton, 0x200, TimeDisplay},
    {PlayButton, 0xC0, PauseButton}, {PreviousButton, 0xC0, PauseButton},
    {StopButton, 0xC0, PauseButton}, {NextButton, 0xC0, PauseButton},
    {TotalsFrame, 0x108},
    {TotalLabel, 0xC0, TotalsFrame}, {TotalValue, 0xC0, TotalsFrame},
    {LeftLabel, 0xC0, TotalsFrame}, {LeftValue, 0xC0, TotalsFrame},
    {PlayedProgress, 0xC0, TotalsFrame},
    {LibraryLabel, 0x204, LibraryList},
    {LibraryToolBar, 0xC0, LibraryLabel}, {SearchByLabel, 0xC0, LibraryLabel},
    {SearchField, 0xC0, LibraryLabel}, {ContainingTextLabel, 0xC0, LibraryLabel},
    {SearchText, 0xC0, LibraryLabel}, {GoButton, 0xC0, LibraryLabel},
    {MenuButton, 0xC00},
    {TallLevelLeft, 0x4408000, LibraryLabel}, {TallLevelRight, 0x40C000, LibraryLabel},
    {ShortLevelLeft, 0x0}, {ShortLevelRight, 0x0},
    {LargeSpectrum, 0x14},
    {SmallSpectrum, 0x10000000, PlayList},
    {SmallSpectrum, 0x80118, LeftLabel},
};

const R kPlayerWithSmallSpectrum[] = {
    {ScrollingTitle, 0x404},
    {MenuButton, 0xC00}, {MenuButton, 0x800},
    {SmallSkinImage, 0xA00, ScrollingTitle},
    {SecondTitleLine, 0xC0, ScrollingTitle},
    {MiniToolbar, 0x4004},
    {ScrollingTitle, 0x20000000, MiniToolbar},
    {ScrollingTitle, 0x10000000, SmallSkinImage},
    {SecondTitleLine, 0x20000000, ScrollingTitle},
    {SeekBar, 0x10000000, SecondTitleLine},
    {SeekBar, 0x10200, SmallSkinImage},
    {PreviousButton, 0x10000000, SeekBar},
    {PlayButton, 0xC0, PreviousButton}, {PauseButton, 0xC0, PreviousButton},
    {StopButton, 0xC0, PreviousButton}, {NextButton, 0xC0, PreviousButton},
    {FileButton, 0xC0, PreviousButton},
    {SmallSpectrum, 0x10000000, SeekBar},
    {SmallSpectrum, 0x80000000, SmallSkinImage},
    {SmallSpectrum, 0x2000, SeekBar},
    {ScrollingTitle, 0x40000000, SmallSpectrum},
    {SecondTitleLine, 0x20000000, ScrollingTitle},
    {VolumeSlider, 0x20000000, SecondTitleLine},
    {VolumeIcon, 0xC0, VolumeSlider},
    {TimeDisplay, 0x10000000, ScrollingTitle},
    {SmallSkinImage, 0xA00, TimeDisplay},
    {SecondTitleLine, 0x40000000, TimeDisplay},
    {LargeSpectrum, 0x20000000, VolumeSlider},
    {LargeSpectrum, 0x40000000},
};

const R kPlayerWithoutSmallSpectrum[] = {
    {MenuButton, 0xC00}, {MenuButton, 0x800},
    {ScrollingTitle, 0x10000000, MenuButton},
    {ScrollingTitle, 0x40000000},
    {SmallSkinImage, 0xA00, ScrollingTitle},
    {SecondTitleLine, 0xC0, ScrollingTitle},
    {MiniToolbar, 0x4004},
    {SecondTitleLine, 0x20000000, ScrollingTitle},
    {PreviousButton, 0x10000000, ScrollingTitle},
    {PlayButton, 0xC0, PreviousButton}, {PauseButton, 0xC0, PreviousButton},
    {StopButton, 0xC0, PreviousButton}, {NextButton, 0xC0, PreviousButton},
    {FileButton, 0xC0, PreviousButton},
    {VolumeSlider, 0x20000000, SecondTitleLine},
    {VolumeIcon, 0xC0, VolumeSlider},
    {TimeDisplay, 0x10000000, PauseButton},
    {SmallSkinImage, 0xA00, ScrollingTitle},
    {SecondTitleLine, 0x20000000, SmallSkinImage},
    {SecondTitleLine, 0x40000000, StopButton},
    {SeekBar, 0x10000000, ScrollingTitle},
    {SeekBar, 0x40000000},
    {LargeSpectrum, 0x20000000, VolumeSlider},
    {LargeSpectrum, 0x40000000},
};

const R kPlaylist[] = {
    {MiniToolbar, 0x4004}, {PlayList, 0x10504},
    {LargeSkinImage, 0x204, PlayList},
    {SeekBar, 0x204, PlayList},
    {VolumeSlider, 0xC0, SeekBar}, {ScrollingTitle, 0xC0, SeekBar},
    {SecondTitleLine, 0xC0, SeekBar}, {SeekStartLabel, 0xC0, SeekBar},
    {TimeDisplay, 0xC0, SeekBar}, {SeekEndLabel, 0xC0, SeekBar},
    {PlayListLabel, 0xC0, SeekBar}, {PreviousButton, 0xC0, SeekBar},
    {PlayButton, 0xC0, PreviousButton}, {PauseButton, 0xC0, PreviousButton},
    {StopButton, 0xC0, PreviousButton}, {NextButton, 0xC0, PreviousButton},
    {FileButton, 0xC0, PreviousButton},
    {VolumeIcon, 0xC0, SeekBar},
    {TotalsFrame, 0x188, SeekBar},
    {TotalLabel, 0xC0, TotalsFrame}, {TotalValue, 0xC0, TotalsFrame},
    {LeftLabel, 0xC0, TotalsFrame}, {LeftValue, 0xC0, TotalsFrame},
    {PlayedProgress, 0xC0, TotalsFrame}, {MoveLabel, 0xC0, TotalsFrame},
    {UpButton, 0xC0, TotalsFrame}, {DownButton, 0xC0, TotalsFrame},
    {LargeSpectrum, 0x10404},
    {SmallSpectrum, 0x10000000, MoveLabel},
};

const R kToolbar[] = {
    {MenuButton, 0xC00}, {MenuButton, 0x800},
    {MiniToolbar, 0x4004},
    {ScrollingTitle, 0x404},
    {TimeDisplay, 0x80400, MenuButton},
    {SmallSkinImage, 0x80400, MenuButton},
};

const R kLibrary[] = {
    {MiniToolbar, 0x4004}, {LibraryList, 0x10105},
    {LargeSkinImage, 0x204, LibraryList},
    {EditButton, 0x208, LibraryList},
    {AddButton, 0xC0, EditButton}, {RemoveButton, 0xC0, EditButton},
    {LibraryLabel, 0x204, LibraryList},
    {LibraryToolBar, 0xC0, LibraryLabel}, {SearchByLabel, 0xC0, LibraryLabel},
    {SearchField, 0xC0, LibraryLabel}, {ContainingTextLabel, 0xC0, LibraryLabel},
    {SearchText, 0xC0, LibraryLabel}, {GoButton, 0xC0, LibraryLabel},
    {MenuButton, 0xC00},
};

const R kLibraryAndPlaylist[] = {
    {MiniToolbar, 0x4004}, {LibraryList, 0x115},
    {PlayList, 0x40010, LibraryList},
    {LibraryLabel, 0x204, LibraryList},
    {LibraryToolBar, 0xC0, LibraryLabel}, {SearchByLabel, 0xC0, LibraryLabel},
    {SearchField, 0xC0, LibraryLabel}, {ContainingTextLabel, 0xC0, LibraryLabel},
    {SearchText, 0xC0, LibraryLabel}, {GoButton, 0xC0, LibraryLabel},
    {PlayListLabel, 0x2000000, SearchByLabel},
    {PlayListLabel, 0x200, PlayList},
    {PlayList, 0x400010, PlayListLabel},
    {AddToPlayListButton, 0x0}, {RemoveFromPlayListButton, 0x0},
    {LargeSkinImage, 0x204, AddToPlayListButton},
    {EditButton, 0x208, LibraryList},
    {AddButton, 0xC0, EditButton}, {RemoveButton, 0xC0, EditButton},
    {MenuButton, 0xC00},
    {FileDescription, 0x10C0, PlayList},
    {PlayButton, 0x180000, FileDescription},
    {FileButton, 0x800000, PlayList},
    {MoveLabel, 0x280000, FileDescription},
    {UpButton, 0x180000, MoveLabel},
    {DownButton, 0x180000, UpButton},
    {WorkSpaceButton, 0x1000000, PlayList},
};
// clang-format on

}  // namespace

LayoutTableId layoutTableFor(ViewMode view, bool smallSpectrumShown) {
    switch (view) {
        case ViewMode::Normal:
        case ViewMode::TouchScreen:
            return LayoutTableId::NormalAndTouchScreen;
        case ViewMode::Party:
            return LayoutTableId::Party;
        case ViewMode::Player:
            return smallSpectrumShown ? LayoutTableId::PlayerWithSmallSpectrum
                                      : LayoutTableId::PlayerWithoutSmallSpectrum;
        case ViewMode::Playlist:
            return LayoutTableId::Playlist;
        case ViewMode::Toolbar:
            return LayoutTableId::Toolbar;
        case ViewMode::Library:
            return LayoutTableId::Library;
        case ViewMode::LibraryAndPlaylist:
            return LayoutTableId::LibraryAndPlaylist;
    }
    return LayoutTableId::NormalAndTouchScreen;
}

std::span<const LayoutRowSpec> layoutTableRows(LayoutTableId table) {
    switch (table) {
        case LayoutTableId::NormalAndTouchScreen:
            return kNormalAndTouchScreen;
        case LayoutTableId::Party:
            return kParty;
        case LayoutTableId::PlayerWithSmallSpectrum:
            return kPlayerWithSmallSpectrum;
        case LayoutTableId::PlayerWithoutSmallSpectrum:
            return kPlayerWithoutSmallSpectrum;
        case LayoutTableId::Playlist:
            return kPlaylist;
        case LayoutTableId::Toolbar:
            return kToolbar;
        case LayoutTableId::Library:
            return kLibrary;
        case LayoutTableId::LibraryAndPlaylist:
            return kLibraryAndPlaylist;
    }
    return {};
}

}  // namespace sonara
