#include "core/mainwnd/ViewControls.h"

#include <cstdint>

#include "core/settings/Preferences.h"

namespace sonara {

namespace {

// A set of views, one bit per view number.
using ViewSet = uint8_t;

constexpr ViewSet views(std::initializer_list<int> numbers) {
    ViewSet set = 0;
    for (const int n : numbers) {
        set = static_cast<ViewSet>(set | (1u << n));
    }
    return set;
}

constexpr ViewSet kAllViews = 0xFF;

enum class Needs { Nothing, BuiltInPlayer, LargeSpectrum, SmallSpectrum, ShortLevels, TallLevels };

struct Showing {
    ViewSet views = 0;
    Needs needs = Needs::Nothing;
};

Showing showingOf(ControlId control) {
    using C = ControlId;
    switch (control) {
        case C::LargeSkinImage:
            return {views({0, 1, 3, 5, 6, 7})};
        case C::SmallSkinImage:
            return {views({2, 4})};
        case C::LibraryLabel:
            return {views({0, 1, 6, 7})};
        case C::SearchByLabel:
        case C::SearchField:
        case C::ContainingTextLabel:
        case C::SearchText:
        case C::GoButton:
            return {views({0, 1, 5, 6})};
        case C::LibraryList:
        case C::LibraryToolBar:
            return {views({0, 1, 5, 6, 7})};
        case C::AddButton:
        case C::EditButton:
        case C::RemoveButton:
            return {views({0, 5, 6})};
        // The second title line is the player's file-description line.
        case C::ScrollingTitle:
        case C::SecondTitleLine:
        case C::SeekBar:
        case C::PreviousButton:
        case C::PauseButton:
        case C::StopButton:
        case C::NextButton:
            return {views({0, 1, 2, 3, 7})};
        case C::PlayButton:
            return {views({0, 1, 2, 3, 6, 7})};
        case C::TimeDisplay:
            return {views({0, 1, 2, 3, 4, 7})};
        case C::SeekStartLabel:
            return {views({0, 1, 3, 4, 7})};
        case C::SeekEndLabel:
            return {views({0, 1, 3, 7})};
        case C::FileButton:
            return {views({0, 2, 3, 6})};
        case C::VolumeIcon:
        case C::VolumeSlider:
            return {views({0, 2, 3, 4, 5, 6}), Needs::BuiltInPlayer};
        case C::PlayListLabel:
        case C::PlayList:
            return {views({0, 1, 3, 6, 7})};
        case C::AddToPlayListButton:
            return {views({0, 1, 6, 7})};
        case C::RemoveFromPlayListButton:
            return {views({0, 6, 7})};
        case C::MoveLabel:
        case C::UpButton:
        case C::DownButton:
            return {views({0, 3, 6, 7})};
        case C::TotalsFrame:
        case C::TotalLabel:
        case C::TotalValue:
        case C::LeftLabel:
        case C::LeftValue:
        case C::PlayedProgress:
            return {views({0, 1, 3, 7})};
        case C::MenuButton:
            return {kAllViews};
        case C::MiniToolbar:
            return {views({0, 2, 3, 4, 5, 6, 7})};
        case C::WorkSpaceButton:
            return {views({6})};
        case C::LargeSpectrum:
            return {views({0, 1, 2, 3, 7}), Needs::LargeSpectrum};
        case C::SmallSpectrum:
            return {views({0, 1, 2, 3, 7}), Needs::SmallSpectrum};
        case C::ShortLevelLeft:
        case C::ShortLevelRight:
            return {views({0, 1, 7}), Needs::ShortLevels};
        case C::TallLevelLeft:
        case C::TallLevelRight:
            return {views({0, 1, 7}), Needs::TallLevels};
        default:
            return {};
    }
}

bool met(Needs needs, const ViewControlOptions& o) {
    switch (needs) {
        case Needs::Nothing:
            return true;
        case Needs::BuiltInPlayer:
            return o.builtInPlayer;
        // The displays draw what the built-in player plays.
        case Needs::LargeSpectrum:
            return o.builtInPlayer && o.largeSpectrum;
        case Needs::SmallSpectrum:
            return o.builtInPlayer && o.smallSpectrum;
        case Needs::ShortLevels:
            return o.builtInPlayer && o.shortLevels;
        case Needs::TallLevels:
            return o.builtInPlayer && o.tallLevels;
    }
    return false;
}

}  // namespace

ViewControlOptions ViewControlOptions::fromPreferences(const Preferences& p) {
    return {p.useAsDefaultPlayer == 1, p.visualLargeSpectrum != 0, p.visualSmallSpectrum != 0,
            p.visualShortLevels != 0, p.visualTallLevels != 0};
}

ControlState controlState(ViewMode view, ControlId control, const ViewControlOptions& options) {
    const Showing showing = showingOf(control);
    const bool inView = (showing.views >> viewModeNumber(view)) & 1u;
    if (!inView || !met(showing.needs, options)) {
        return ControlState::Hidden;
    }
    // The party's guests may not skip songs.
    if (view == ViewMode::Party &&
        (control == ControlId::PreviousButton || control == ControlId::NextButton ||
         control == ControlId::FileButton)) {
        return ControlState::ShownDisabled;
    }
    return ControlState::Shown;
}

TextId playListLabelText(ViewMode view) {
    return view == ViewMode::LibraryAndPlaylist ? TextId::PlayListWorkSpaceLabel
                                                : TextId::PlayListLabel;
}

}  // namespace sonara
