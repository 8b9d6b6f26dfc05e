#include "core/mainwnd/ViewMouse.h"

#include <gtest/gtest.h>

namespace sonara {
namespace {

TEST(ViewMouse, DoubleClickOnTheBackground) {
    using A = ViewDoubleClick::Action;
    for (const ViewMode view :
         {ViewMode::Normal, ViewMode::Playlist, ViewMode::Library, ViewMode::LibraryAndPlaylist}) {
        EXPECT_EQ(doubleClickAction(view).action, A::ToggleMaximised);
    }
    // The player view and the bar view switch into each other.
    EXPECT_EQ(doubleClickAction(ViewMode::Player),
              (ViewDoubleClick{A::SwitchView, ViewMode::Toolbar}));
    EXPECT_EQ(doubleClickAction(ViewMode::Toolbar),
              (ViewDoubleClick{A::SwitchView, ViewMode::Player}));
    EXPECT_EQ(doubleClickAction(ViewMode::Party).action, A::Nothing);
    EXPECT_EQ(doubleClickAction(ViewMode::TouchScreen).action, A::Nothing);
}

TEST(ViewMouse, DraggingNeitherInPartyNorMaximised) {
    EXPECT_TRUE(canDragWindow(ViewMode::Normal, false));
    EXPECT_TRUE(canDragWindow(ViewMode::Toolbar, false));
    EXPECT_FALSE(canDragWindow(ViewMode::Normal, true));
    EXPECT_FALSE(canDragWindow(ViewMode::Party, false));
}

}  // namespace
}  // namespace sonara
