#pragma once

#include <QImage>
#include <QWidget>
#include <memory>

#include "gui/skin/SkinContext.h"

namespace sonara::gui {

// Every skinned control in every state, laid out on one picture, so the
// current skin can be judged without clicking through the program. Renders
// offscreen; no window is shown.
QImage renderSkinGallery(SkinContext& context);

// The page the gallery renders, a window holding every control, for
// measuring what a skin change costs with many skinned windows open.
std::unique_ptr<QWidget> makeSkinGalleryPage(SkinContext& context);

}  // namespace sonara::gui
