#pragma once

#include <QPoint>
#include <optional>

#include "core/app/Command.h"
#include "core/mainwnd/MenuItem.h"
#include "gui/skin/SkinContext.h"

namespace sonara::gui {

// Placeholder until the skinned menu lands: a plain pop-up of the items.
class SkinPopupMenu {
  public:
    static std::optional<Command> exec(SkinContext& context, const Menu& menu, QPoint globalPos);
};

}  // namespace sonara::gui
