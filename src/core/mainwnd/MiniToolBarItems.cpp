#include "core/mainwnd/MiniToolBarItems.h"

#include <array>

namespace sonara {

namespace {

using A = MiniToolBarAction;

constexpr int kTop = 1;
constexpr int kSize = 14;

constexpr MiniToolBarItem item(int left, A action, TextId tip) {
    return {Rect{left, kTop, kSize, kSize}, action, tip};
}

// Three groups with a wider gap between them: transport, views, window.
constexpr std::array kItems{
    item(3, A::Previous, TextId::MenuTrayPrevious),
    item(17, A::Play, TextId::MenuTrayPlay),
    item(31, A::Pause, TextId::MenuTrayPause),
    item(45, A::Stop, TextId::MenuTrayStop),
    item(59, A::Next, TextId::MenuTrayNext),
    item(78, A::ViewNormal, TextId::NormalViewName),
    item(92, A::ViewPlayList, TextId::PlaylistViewName),
    item(106, A::ViewPlayer, TextId::PlayerViewName),
    item(120, A::ViewBar, TextId::ToolbarViewName),
    item(134, A::ViewParty, TextId::PartyViewName),
    item(153, A::HideToTray, TextId::MiniToolBarHideToTray),
    item(167, A::Minimise, TextId::MiniToolBarMinimise),
    item(181, A::Maximise, TextId::MiniToolBarMaximise),
    item(195, A::Restore, TextId::MiniToolBarRestore),
    item(209, A::Close, TextId::MiniToolBarClose),
};

}  // namespace

std::span<const MiniToolBarItem> miniToolBarItems() {
    return kItems;
}

std::optional<MiniToolBarAction> miniToolBarActionFromNumber(int number) {
    if (number < int(A::Close) || number > int(A::Next)) {
        return std::nullopt;
    }
    return static_cast<MiniToolBarAction>(number);
}

std::optional<Command> miniToolBarCommand(MiniToolBarAction action) {
    switch (action) {
        case A::Close:
            return Command::Exit;
        case A::HideToTray:
        case A::Minimise:
        case A::Maximise:
        case A::Restore:
            return std::nullopt;
        case A::ViewNormal:
            return Command::ViewNormal;
        case A::ViewPlayList:
            return Command::ViewPlayList;
        case A::ViewPlayer:
            return Command::ViewPlayer;
        case A::ViewBar:
            return Command::ViewBar;
        case A::ViewParty:
            return Command::ViewParty;
        case A::Previous:
            return Command::PreviousButton;
        case A::Play:
            return Command::PlayButton;
        case A::Pause:
            return Command::PauseButton;
        case A::Stop:
            return Command::StopButton;
        case A::Next:
            return Command::NextButton;
    }
    return std::nullopt;
}

}  // namespace sonara
