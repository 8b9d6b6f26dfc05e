#include <gtest/gtest.h>

#include <set>

#include "core/app/StringTable.h"
#include "core/mainwnd/MiniToolBarItems.h"

namespace sonara {
namespace {

TEST(MiniToolBarItems, EveryActionOnceOnNonOverlappingButtonsWithATip) {
    const auto items = miniToolBarItems();
    ASSERT_EQ(items.size(), 15u);
    std::set<int> actions;
    for (size_t index = 0; index < items.size(); ++index) {
        actions.insert(int(items[index].action));
        EXPECT_FALSE(stringText(items[index].tip).empty()) << index;
        if (index > 0) {
            EXPECT_GE(items[index].rect.left, items[index - 1].rect.right()) << index;
        }
    }
    EXPECT_EQ(actions.size(), 15u);
    EXPECT_EQ(*actions.begin(), 1);
    EXPECT_EQ(*actions.rbegin(), 15);
}

TEST(MiniToolBarItems, NumbersOutsideTheBarNameNoAction) {
    EXPECT_FALSE(miniToolBarActionFromNumber(0));
    EXPECT_FALSE(miniToolBarActionFromNumber(16));
    EXPECT_EQ(miniToolBarActionFromNumber(12), MiniToolBarAction::Play);
}

TEST(MiniToolBarItems, CommandsForViewsTransportAndCloseOnlyWindowOperationsHaveNone) {
    EXPECT_EQ(miniToolBarCommand(MiniToolBarAction::Close), Command::Exit);
    EXPECT_EQ(miniToolBarCommand(MiniToolBarAction::ViewParty), Command::ViewParty);
    EXPECT_EQ(miniToolBarCommand(MiniToolBarAction::ViewNormal), Command::ViewNormal);
    EXPECT_EQ(miniToolBarCommand(MiniToolBarAction::Previous), Command::PreviousButton);
    EXPECT_EQ(miniToolBarCommand(MiniToolBarAction::Next), Command::NextButton);
    for (auto action : {MiniToolBarAction::HideToTray, MiniToolBarAction::Minimise,
                        MiniToolBarAction::Maximise, MiniToolBarAction::Restore}) {
        EXPECT_FALSE(miniToolBarCommand(action)) << int(action);
    }
}

}  // namespace
}  // namespace sonara
