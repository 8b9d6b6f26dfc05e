#include "gui/mainwnd/DisplayWidget.h"

namespace sonara::gui {

DisplayWidget::DisplayWidget(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted: nothing underneath needs drawing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool DisplayWidget::takeFrame(std::vector<int>& frame) {
    if (frame == frame_) {
        return false;
    }
    frame_.swap(frame);
    ++repaintsAsked_;
    update();
    return true;
}

void DisplayWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    settingsChanged();
}

}  // namespace sonara::gui
