#include "gui/skin/SkinEvents.h"

#include <QCoreApplication>
#include <QWidget>

namespace sonara::gui {

QEvent::Type SkinChangedEvent::eventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void notifySkinChanged(QWidget* root) {
    if (root == nullptr) {
        return;
    }
    SkinChangedEvent event;
    QCoreApplication::sendEvent(root, &event);
    for (QWidget* child : root->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        notifySkinChanged(child);
    }
}

}  // namespace sonara::gui
