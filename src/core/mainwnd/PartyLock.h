#pragma once

#include "core/app/Command.h"
#include "core/mainwnd/ViewMode.h"

namespace sonara {

// Party view's lock-down: whether `command` may run in `view`, whoever
// sends it (buttons, keys, menus, the tray, media keys). In Party view the
// guests may queue songs and start the player, nothing more: the transport
// buttons (but Play), every edit of the library or the play list, and the
// menus' tools are refused. Every other view allows everything.
bool isCommandAllowed(Command command, ViewMode view);

}  // namespace sonara
