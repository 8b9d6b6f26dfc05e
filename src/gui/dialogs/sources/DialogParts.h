#pragma once

#include <QString>
#include <initializer_list>

#include "core/app/TextId.h"

class QBoxLayout;
class QWidget;

namespace sonara::gui {

class SkinCaptionButton;
struct SkinContext;

// What the sources and removable media dialogs are built from.
namespace dialog_parts {

QString text(TextId id);
// A large-strip button captioned from the string table; its strip row is set
// by the dialog with the skin.
SkinCaptionButton* button(SkinContext& context, TextId caption, QWidget* parent);
// A list with a column of buttons at its right: `top` from the top, `bottom`
// at the foot.
QBoxLayout* listWithButtons(QWidget* list, std::initializer_list<QWidget*> top, QWidget* bottom);

}  // namespace dialog_parts

}  // namespace sonara::gui
