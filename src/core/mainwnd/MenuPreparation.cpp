#include "core/mainwnd/MenuPreparation.h"

#include <algorithm>

#include "core/app/StringTable.h"
#include "core/mainwnd/MenuResources.h"

namespace sonara {

namespace {

using Items = std::vector<MenuItem>;

bool carries(const MenuItem& item, Command command) {
    return item.kind == MenuItemKind::Normal && item.command == command;
}

void removeCommand(Items& items, Command command) {
    std::erase_if(items, [command](const MenuItem& item) { return carries(item, command); });
}

MenuItem* findCommand(Items& items, Command command) {
    const auto it = std::find_if(items.begin(), items.end(), [command](const MenuItem& item) {
        return carries(item, command);
    });
    return it == items.end() ? nullptr : &*it;
}

void removeFirstSeparator(Items& items) {
    const auto it = std::find_if(items.begin(), items.end(),
                                 [](const MenuItem& item) { return item.isSeparator(); });
    if (it != items.end()) {
        items.erase(it);
    }
}

// Replaces the first "%s" of the item's text, as the string table's %s does.
void fillName(MenuItem& item, const std::string& name) {
    if (const size_t at = item.text.find("%s"); at != std::string::npos) {
        item.text.replace(at, 2, name);
    }
}

std::string playInPlayerText(const ExternalPlayerLabels& player) {
    return formatText(TextId::ValueInPlace, player.actionText, player.name);
}

std::optional<Command> checkedViewCommand(ViewMode view) {
    // Views 5 and 6 (the outside player's) have no item of their own.
    switch (view) {
        case ViewMode::Normal:
            return Command::ViewNormal;
        case ViewMode::Playlist:
            return Command::ViewPlayList;
        case ViewMode::Player:
            return Command::ViewPlayer;
        case ViewMode::Toolbar:
            return Command::ViewBar;
        case ViewMode::Party:
            return Command::ViewParty;
        default:
            return std::nullopt;
    }
}

void prepareViews(Items& views, const MenuContext& context) {
    removeCommand(views, Command::ViewTouchScreen);
    if (!context.builtInPlayer) {
        removeCommand(views, Command::ViewBar);
        removeCommand(views, Command::ViewPlayer);
        removeCommand(views, Command::ViewParty);
    }
    const std::optional<Command> current = checkedViewCommand(context.view);
    for (MenuItem& item : views) {
        item.checked = current && carries(item, *current);
    }
}

Items* viewsSubMenu(Items& mainItems) {
    for (MenuItem& item : mainItems) {
        if (item.kind == MenuItemKind::SubMenu &&
            std::any_of(item.items.begin(), item.items.end(), [](const MenuItem& child) {
                return carries(child, Command::ViewNormal);
            })) {
            return &item.items;
        }
    }
    return nullptr;
}

void prepareLibraryPopup(Items& items, const MenuContext& context) {
    if (context.builtInPlayer) {
        // The separator under "Play" goes with it; Party view's own menu has
        // neither.
        const bool hadPlay = findCommand(items, Command::PlayInExternalPlayer) != nullptr;
        removeCommand(items, Command::PlayInExternalPlayer);
        if (hadPlay && !items.empty() && items.front().isSeparator()) {
            items.erase(items.begin());
        }
        return;
    }
    if (MenuItem* play = findCommand(items, Command::PlayInExternalPlayer)) {
        play->text = playInPlayerText(context.externalPlayer);
    }
    removeCommand(items, Command::ConvertLibraryToWav);
}

void preparePlayListPopup(Items& items, const MenuContext& context) {
    if (context.builtInPlayer) {
        return;
    }
    removeCommand(items, Command::ConvertPlayListToWav);
    removeCommand(items, Command::ResetPlayedStatus);
    removeCommand(items, Command::ResetAllPlayedStatus);
    removeFirstSeparator(items);
    const auto clear = std::find_if(items.begin(), items.end(), [](const MenuItem& item) {
        return carries(item, Command::ClearPlayList);
    });
    const auto at = items.insert(clear, MenuItem{MenuItemKind::Normal,
                                                 playInPlayerText(context.externalPlayer),
                                                 Command::PlayButton,
                                                 false,
                                                 {}});
    items.insert(at + 1, MenuItem{MenuItemKind::Separator, {}, Command{}, false, {}});
}

void prepareFilePopup(Items& items, const MenuContext& context) {
    const ExternalPlayerLabels& player = context.externalPlayer;
    const bool keepSet = !context.builtInPlayer && player.canSetPlayList;
    const bool keepAppend = !context.builtInPlayer && player.canAppendPlayList;
    if (!keepSet && !keepAppend) {
        // The separator stands before the first of the two.
        const auto first = std::find_if(items.begin(), items.end(), [](const MenuItem& item) {
            return carries(item, Command::SetExternalPlayList) ||
                   carries(item, Command::AppendExternalPlayList);
        });
        if (first != items.begin() && first != items.end() && (first - 1)->isSeparator()) {
            items.erase(first - 1);
        }
    }
    if (!keepSet) {
        removeCommand(items, Command::SetExternalPlayList);
    }
    if (!keepAppend) {
        removeCommand(items, Command::AppendExternalPlayList);
    }
    for (const Command command : {Command::SetExternalPlayList, Command::AppendExternalPlayList}) {
        if (MenuItem* item = findCommand(items, command)) {
            fillName(*item, player.name);
        }
    }
}

}  // namespace

Menu prepareMenu(MenuId id, const MenuContext& context) {
    Menu menu = menuResource(id);
    switch (id) {
        case MenuId::Main:
            if (Items* views = viewsSubMenu(menu.items)) {
                prepareViews(*views, context);
            }
            menu.disableMenuButton = true;
            break;
        case MenuId::LibraryPopup:
        case MenuId::LibraryPopupParty:
            prepareLibraryPopup(menu.items, context);
            break;
        case MenuId::PlayListPopup:
            preparePlayListPopup(menu.items, context);
            break;
        case MenuId::FilePopup:
            prepareFilePopup(menu.items, context);
            break;
        default:
            break;
    }
    return menu;
}

Menu prepareViewsMenu(const MenuContext& context) {
    Menu main = prepareMenu(MenuId::Main, context);
    Menu views{MenuId::Main, {}, false};
    if (Items* items = viewsSubMenu(main.items)) {
        views.items = std::move(*items);
    }
    return views;
}

MenuId menuButtonMenu(ViewMode view) {
    return view == ViewMode::Party ? MenuId::Party : MenuId::Main;
}

std::optional<Menu> rightClickMenu(RightClickTarget target, const MenuContext& context) {
    const bool party = context.view == ViewMode::Party;
    switch (target) {
        case RightClickTarget::LibraryRow:
            return prepareMenu(party ? MenuId::LibraryPopupParty : MenuId::LibraryPopup, context);
        case RightClickTarget::PlayList:
            return party ? std::nullopt
                         : std::optional(prepareMenu(MenuId::PlayListPopup, context));
        case RightClickTarget::Background:
            return party ? std::nullopt : std::optional(prepareViewsMenu(context));
    }
    return std::nullopt;
}

}  // namespace sonara
