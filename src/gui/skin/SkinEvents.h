#pragma once

#include <QEvent>

class QWidget;

namespace sonara::gui {

// "The skin changed": every skinned window reloads what it takes from the
// skin (sizes, fonts, cached pictures) when it receives this event.
class SkinChangedEvent : public QEvent {
  public:
    static QEvent::Type eventType();
    SkinChangedEvent() : QEvent(eventType()) {}
};

// Sends SkinChangedEvent to `root` and every widget below it, parents
// before children.
void notifySkinChanged(QWidget* root);

}  // namespace sonara::gui
