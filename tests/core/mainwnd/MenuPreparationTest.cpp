#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/mainwnd/MenuPreparation.h"
#include "core/mainwnd/MenuResources.h"
#include "support/MenuSearch.h"

namespace sonara {
namespace {

constexpr MenuId kAllMenus[] = {
    MenuId::Main,
    MenuId::Party,
    MenuId::AddSongs,
    MenuId::LibraryPopup,
    MenuId::LibraryPopupParty,
    MenuId::PlayListPopup,
    MenuId::FilePopup,
    MenuId::WorkSpace,
    MenuId::Tray,
    MenuId::TrayShort,
    MenuId::DuplicateFinder,
};

MenuContext external(ViewMode view, bool canSet = true, bool canAppend = true) {
    return MenuContext{view, false, ExternalPlayerLabels{"Audacious", "Play", canSet, canAppend}};
}

std::vector<std::string> texts(const std::vector<MenuItem>& items) {
    std::vector<std::string> all;
    for (const MenuItem& item : items) {
        all.push_back(item.isSeparator() ? "-" : item.text);
    }
    return all;
}

const MenuItem* find(const std::vector<MenuItem>& items, Command command) {
    return testing::findMenuItem(items, command);
}

void expectTidy(const std::vector<MenuItem>& items, const std::string& where) {
    ASSERT_FALSE(items.empty()) << where;
    EXPECT_FALSE(items.front().isSeparator()) << where;
    EXPECT_FALSE(items.back().isSeparator()) << where;
    for (size_t i = 0; i < items.size(); ++i) {
        const MenuItem& item = items[i];
        if (i > 0) {
            EXPECT_FALSE(item.isSeparator() && items[i - 1].isSeparator()) << where << " at " << i;
        }
        if (!item.isSeparator()) {
            EXPECT_FALSE(item.text.empty()) << where << " at " << i;
            EXPECT_EQ(item.text.find("%s"), std::string::npos) << where << ": " << item.text;
        }
        if (item.kind == MenuItemKind::SubMenu) {
            expectTidy(item.items, where + " > " + item.text);
        }
    }
}

TEST(MenuPreparation, EveryMenuInEveryContextIsTidyAndFilledIn) {
    std::vector<MenuContext> contexts;
    for (int view = 0; view <= 7; ++view) {
        contexts.push_back(MenuContext{static_cast<ViewMode>(view), true, {}});
        for (const bool canSet : {false, true}) {
            for (const bool canAppend : {false, true}) {
                contexts.push_back(external(static_cast<ViewMode>(view), canSet, canAppend));
            }
        }
    }
    for (const MenuId id : kAllMenus) {
        for (const MenuContext& context : contexts) {
            expectTidy(prepareMenu(id, context).items,
                       "menu " + std::to_string(int(id)) + " view " +
                           std::to_string(int(context.view)) +
                           (context.builtInPlayer ? " built-in" : " external"));
        }
    }
}

TEST(MenuPreparation, StoredTextsAndTheWorkSpaceHeights) {
    const Menu main = menuResource(MenuId::Main);
    EXPECT_EQ(find(main.items, Command::UpdateLibrary)->text, "Update Library                F5");
    EXPECT_EQ(find(main.items, Command::Help)->text, "Help                                 F1");
    EXPECT_EQ(find(menuResource(MenuId::LibraryPopup).items, Command::Report)->text,
              "Generate Report");
    EXPECT_EQ(find(main.items, Command::Report)->text, "Report...");

    const Menu workSpace = menuResource(MenuId::WorkSpace);
    ASSERT_EQ(workSpace.items.size(), 3u);
    const MenuItem& heights = workSpace.items[2];
    EXPECT_EQ(heights.kind, MenuItemKind::SubMenu);
    EXPECT_EQ(heights.text, "Set Height...");
    ASSERT_EQ(heights.items.size(), 9u);
    for (int step = 0; step < 9; ++step) {
        EXPECT_EQ(heights.items[size_t(step)].text, std::to_string(20 + 10 * step) + "%");
        EXPECT_EQ(int(heights.items[size_t(step)].command), 9285 + step);
    }
}

TEST(MenuPreparation, ViewsCarryTheCurrentViewAndNeverTouchScreen) {
    const auto views = [](const MenuContext& context) { return prepareViewsMenu(context).items; };
    EXPECT_EQ(texts(views({ViewMode::Normal, true, {}})),
              (std::vector<std::string>{"Normal", "Playlist", "Player", "Bar", "Party"}));
    const std::pair<ViewMode, Command> marks[] = {
        {ViewMode::Normal, Command::ViewNormal}, {ViewMode::Playlist, Command::ViewPlayList},
        {ViewMode::Player, Command::ViewPlayer}, {ViewMode::Toolbar, Command::ViewBar},
        {ViewMode::Party, Command::ViewParty},
    };
    for (const auto& [view, command] : marks) {
        for (const MenuItem& item : views({view, true, {}})) {
            EXPECT_EQ(item.checked, item.command == command) << int(view) << " " << item.text;
        }
    }
    for (const MenuItem& item : views({ViewMode::TouchScreen, true, {}})) {
        EXPECT_FALSE(item.checked);
    }
    // The outside player's views: only the two it has, and no mark in view 5.
    const std::vector<MenuItem> outside = views(external(ViewMode::Library));
    EXPECT_EQ(texts(outside), (std::vector<std::string>{"Normal", "Playlist"}));
    EXPECT_FALSE(outside[0].checked || outside[1].checked);
    // The main menu holds the same sub-menu and keeps the menu button off.
    const Menu main = prepareMenu(MenuId::Main, external(ViewMode::Library));
    EXPECT_EQ(main.items[0].items, outside);
    EXPECT_TRUE(main.disableMenuButton);
    EXPECT_FALSE(prepareMenu(MenuId::Party, {}).disableMenuButton);
}

TEST(MenuPreparation, LibraryPopUpFollowsThePlayer) {
    const Menu builtIn = prepareMenu(MenuId::LibraryPopup, {});
    EXPECT_EQ(find(builtIn.items, Command::PlayInExternalPlayer), nullptr);
    EXPECT_EQ(builtIn.items.front().command, Command::AddToPlayList);
    EXPECT_NE(find(builtIn.items, Command::ConvertLibraryToWav), nullptr);

    const Menu outside = prepareMenu(MenuId::LibraryPopup, external(ViewMode::Library));
    EXPECT_EQ(outside.items.front().text, "Play in Audacious");
    EXPECT_EQ(outside.items.front().command, Command::PlayInExternalPlayer);
    EXPECT_TRUE(outside.items[1].isSeparator());
    EXPECT_EQ(find(outside.items, Command::ConvertLibraryToWav), nullptr);

    EXPECT_EQ(texts(prepareMenu(MenuId::LibraryPopupParty, {ViewMode::Party, true, {}}).items),
              (std::vector<std::string>{"Add to Playlist", "-", "Select All", "Clear Selection",
                                        "Show/Hide Columns"}));
}

TEST(MenuPreparation, PlayListPopUpWithTheOutsidePlayerPlaysThroughThePlayButton) {
    EXPECT_EQ(prepareMenu(MenuId::PlayListPopup, {}).items,
              menuResource(MenuId::PlayListPopup).items);
    const Menu outside = prepareMenu(MenuId::PlayListPopup, external(ViewMode::LibraryAndPlaylist));
    EXPECT_EQ(texts(outside.items),
              (std::vector<std::string>{"Play in Audacious", "-", "Clear Playlist", "-", "Shuffle",
                                        "Randomly add...", "-", "Select All", "Clear Selection",
                                        "-", "Transfer to NOMAD"}));
    EXPECT_EQ(outside.items.front().command, Command::PlayButton);
}

TEST(MenuPreparation, FilePopUpOffersOnlyWhatTheOutsidePlayerSupports) {
    EXPECT_EQ(texts(prepareMenu(MenuId::FilePopup, {}).items),
              (std::vector<std::string>{"File Open", "File Save"}));
    EXPECT_EQ(texts(prepareMenu(MenuId::FilePopup, external(ViewMode::Library)).items),
              (std::vector<std::string>{"File Open", "File Save", "-", "Set as Audacious Playlist",
                                        "Append to Audacious Playlist"}));
    EXPECT_EQ(
        texts(prepareMenu(MenuId::FilePopup, external(ViewMode::Library, false, true)).items),
        (std::vector<std::string>{"File Open", "File Save", "-", "Append to Audacious Playlist"}));
    EXPECT_EQ(
        texts(prepareMenu(MenuId::FilePopup, external(ViewMode::Library, false, false)).items),
        (std::vector<std::string>{"File Open", "File Save"}));
}

TEST(MenuPreparation, PartyViewOpensOnlyItsOwnMenus) {
    EXPECT_EQ(menuButtonMenu(ViewMode::Party), MenuId::Party);
    EXPECT_EQ(menuButtonMenu(ViewMode::Toolbar), MenuId::Main);
    EXPECT_EQ(texts(prepareMenu(MenuId::Party, {ViewMode::Party, true, {}}).items),
              (std::vector<std::string>{"Top 100...", "About..."}));

    const MenuContext party{ViewMode::Party, true, {}};
    EXPECT_FALSE(rightClickMenu(RightClickTarget::PlayList, party));
    EXPECT_FALSE(rightClickMenu(RightClickTarget::Background, party));
    EXPECT_EQ(rightClickMenu(RightClickTarget::LibraryRow, party)->id, MenuId::LibraryPopupParty);

    const MenuContext normal{ViewMode::Normal, true, {}};
    EXPECT_EQ(rightClickMenu(RightClickTarget::PlayList, normal)->id, MenuId::PlayListPopup);
    EXPECT_EQ(rightClickMenu(RightClickTarget::LibraryRow, normal)->id, MenuId::LibraryPopup);
    const std::optional<Menu> background = rightClickMenu(RightClickTarget::Background, normal);
    ASSERT_TRUE(background);
    EXPECT_EQ(background->items, prepareViewsMenu(normal).items);
    EXPECT_FALSE(background->disableMenuButton);
}

}  // namespace
}  // namespace sonara
