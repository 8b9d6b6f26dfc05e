#include "core/mainwnd/ViewControls.h"

#include <gtest/gtest.h>

#include <string>

#include "core/app/StringTable.h"
#include "core/settings/Preferences.h"

namespace sonara {
namespace {

using C = ControlId;

// One character per view 0..7: 'x' shown, 'd' shown disabled, '-' hidden.
std::string row(ControlId control, const ViewControlOptions& options) {
    std::string marks;
    for (int n = 0; n < 8; ++n) {
        switch (controlState(static_cast<ViewMode>(n), control, options)) {
            case ControlState::Shown:
                marks += 'x';
                break;
            case ControlState::ShownDisabled:
                marks += 'd';
                break;
            case ControlState::Hidden:
                marks += '-';
                break;
        }
    }
    return marks;
}

TEST(ViewControls, EachGroupInItsViews) {
    const ViewControlOptions built{};
    EXPECT_EQ(row(C::LargeSkinImage, built), "xx-x-xxx");
    EXPECT_EQ(row(C::SmallSkinImage, built), "--x-x---");
    EXPECT_EQ(row(C::LibraryLabel, built), "xx----xx");
    EXPECT_EQ(row(C::SearchText, built), "xx---xx-");
    EXPECT_EQ(row(C::SearchByLabel, built), "xx---xx-");
    EXPECT_EQ(row(C::LibraryList, built), "xx---xxx");
    EXPECT_EQ(row(C::LibraryToolBar, built), "xx---xxx");
    EXPECT_EQ(row(C::EditButton, built), "x----xx-");
    EXPECT_EQ(row(C::ScrollingTitle, built), "xxxx---x");
    EXPECT_EQ(row(C::SecondTitleLine, built), "xxxx---x");
    EXPECT_EQ(row(C::SeekBar, built), "xxxx---x");
    EXPECT_EQ(row(C::StopButton, built), "xxxx---x");
    EXPECT_EQ(row(C::PlayButton, built), "xxxx--xx");
    EXPECT_EQ(row(C::TimeDisplay, built), "xxxxx--x");
    EXPECT_EQ(row(C::SeekStartLabel, built), "xx-xx--x");
    EXPECT_EQ(row(C::SeekEndLabel, built), "xx-x---x");
    EXPECT_EQ(row(C::PlayList, built), "xx-x--xx");
    EXPECT_EQ(row(C::PlayListLabel, built), "xx-x--xx");
    EXPECT_EQ(row(C::AddToPlayListButton, built), "xx----xx");
    EXPECT_EQ(row(C::RemoveFromPlayListButton, built), "x-----xx");
    EXPECT_EQ(row(C::MoveLabel, built), "x--x--xx");
    EXPECT_EQ(row(C::DownButton, built), "x--x--xx");
    EXPECT_EQ(row(C::PlayedProgress, built), "xx-x---x");
    EXPECT_EQ(row(C::TotalsFrame, built), "xx-x---x");
    EXPECT_EQ(row(C::MenuButton, built), "xxxxxxxx");
    EXPECT_EQ(row(C::MiniToolbar, built), "x-xxxxxx");
    EXPECT_EQ(row(C::WorkSpaceButton, built), "------x-");
    // Layout anchors and unused template controls never show.
    EXPECT_EQ(row(C::FileDescription, built), "--------");
    EXPECT_EQ(row(C::EqButton, built), "--------");
    EXPECT_EQ(row(C::TouchScreenSearch, built), "--------");
}

TEST(ViewControls, PartyDisablesSkippingButKeepsTheFileButtonHidden) {
    const ViewControlOptions built{};
    EXPECT_EQ(row(C::PreviousButton, built), "xdxx---x");
    EXPECT_EQ(row(C::NextButton, built), "xdxx---x");
    EXPECT_EQ(row(C::PauseButton, built), "xxxx---x");
    EXPECT_EQ(row(C::FileButton, built), "x-xx--x-");
}

TEST(ViewControls, VolumeAndDisplaysNeedTheBuiltInPlayer) {
    ViewControlOptions o;
    EXPECT_EQ(row(C::VolumeSlider, o), "x-xxxxx-");
    EXPECT_EQ(row(C::VolumeIcon, o), "x-xxxxx-");
    EXPECT_EQ(row(C::LargeSpectrum, o), "--------");
    EXPECT_EQ(row(C::TallLevelLeft, o), "--------");

    o.largeSpectrum = o.smallSpectrum = o.shortLevels = o.tallLevels = true;
    EXPECT_EQ(row(C::LargeSpectrum, o), "xxxx---x");
    EXPECT_EQ(row(C::SmallSpectrum, o), "xxxx---x");
    EXPECT_EQ(row(C::ShortLevelRight, o), "xx-----x");
    EXPECT_EQ(row(C::TallLevelLeft, o), "xx-----x");

    o.builtInPlayer = false;
    EXPECT_EQ(row(C::VolumeSlider, o), "--------");
    EXPECT_EQ(row(C::LargeSpectrum, o), "--------");
    EXPECT_EQ(row(C::SmallSpectrum, o), "--------");
    EXPECT_EQ(row(C::ShortLevelLeft, o), "--------");
    EXPECT_EQ(row(C::TallLevelRight, o), "--------");
    EXPECT_EQ(row(C::PlayButton, o), "xxxx--xx");
}

TEST(ViewControls, OptionsFromThePreferences) {
    Preferences p;
    p.useAsDefaultPlayer = 1;
    p.visualSmallSpectrum = 1;
    p.visualTallLevels = 1;
    const ViewControlOptions o = ViewControlOptions::fromPreferences(p);
    EXPECT_TRUE(o.builtInPlayer);
    EXPECT_FALSE(o.largeSpectrum);
    EXPECT_TRUE(o.smallSpectrum);
    EXPECT_FALSE(o.shortLevels);
    EXPECT_TRUE(o.tallLevels);
    p.useAsDefaultPlayer = 0;
    EXPECT_FALSE(ViewControlOptions::fromPreferences(p).builtInPlayer);
}

TEST(ViewControls, PlayListLabelNamesTheWorkSpaceInView6) {
    EXPECT_EQ(stringText(playListLabelText(ViewMode::LibraryAndPlaylist)), "Playlist Work Space");
    EXPECT_EQ(stringText(playListLabelText(ViewMode::Normal)), "Playlist");
    EXPECT_EQ(stringText(playListLabelText(ViewMode::Playlist)), "Playlist");
}

}  // namespace
}  // namespace sonara
