#include "gui/mainwnd/MiniToolBar.h"

#include "core/skin/SkinFiles.h"
#include "gui/mainwnd/ControlMap.h"
#include "gui/skin/SkinEvents.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

MiniToolBar::MiniToolBar(SkinContext context, QWidget* parent)
    : SkinToolStrip(context, parent), context_(context) {
    std::vector<Item> items;
    for (const MiniToolBarItem& item : miniToolBarItems()) {
        const Rect& r = item.rect;
        items.push_back({QRect(r.left, r.top, r.width, r.height), int(item.action), item.tip});
    }
    setItems(std::move(items));
    connect(this, &SkinToolStrip::actionTriggered, this, [this](int number) {
        if (const auto chosen = miniToolBarActionFromNumber(number)) {
            emit action(*chosen);
        }
    });
}

MiniToolBar* MiniToolBar::create(SkinContext context, QWidget* window, ControlMap& controls) {
    auto* bar = new MiniToolBar(context, window);
    controls.place(ControlId::MiniToolbar, bar);
    bar->fitToPicture();
    return bar;
}

void MiniToolBar::fitToPicture() {
    // The template's rectangle is narrower than the fifteen buttons; the
    // layout anchors the bar to the right, so the right edge is what counts.
    const QSize size = sizeHint();
    const QRect now = geometry();
    setGeometry(now.right() + 1 - size.width(), now.top(), size.width(), size.height());
}

QSize MiniToolBar::sizeHint() const {
    const QImage& picture = context_.skin.bitmap(skin::kMiniToolBar);
    if (!picture.isNull()) {
        return picture.size();
    }
    QRect buttons;
    for (const Item& item : items()) {
        buttons |= item.rect;
    }
    return {buttons.right() + 1 + buttons.left(), buttons.bottom() + 1 + buttons.top()};
}

bool MiniToolBar::event(QEvent* event) {
    if (event->type() == SkinChangedEvent::eventType()) {
        fitToPicture();
    }
    return SkinToolStrip::event(event);
}

}  // namespace sonara::gui
