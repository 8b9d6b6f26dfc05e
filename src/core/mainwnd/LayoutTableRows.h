#pragma once

#include <array>
#include <span>

#include "core/mainwnd/LayoutTable.h"
#include "core/mainwnd/ViewMode.h"

namespace sonara {

// The main window's eight layout tables: the normal and touch-screen views
// share one, the player view has one with and one without the small spectrum.
enum class LayoutTableId : int {
    NormalAndTouchScreen,
    Party,
    PlayerWithSmallSpectrum,
    PlayerWithoutSmallSpectrum,
    Playlist,
    Toolbar,
    Library,
    LibraryAndPlaylist,
};

// In the order the tables are built.
inline constexpr std::array kAllLayoutTables = {
    LayoutTableId::NormalAndTouchScreen,
    LayoutTableId::Party,
    LayoutTableId::PlayerWithSmallSpectrum,
    LayoutTableId::PlayerWithoutSmallSpectrum,
    LayoutTableId::Playlist,
    LayoutTableId::Toolbar,
    LayoutTableId::Library,
    LayoutTableId::LibraryAndPlaylist,
};

LayoutTableId layoutTableFor(ViewMode view, bool smallSpectrumShown);

// The table's rows in the order they are applied.
std::span<const LayoutRowSpec> layoutTableRows(LayoutTableId table);

}  // namespace sonara
