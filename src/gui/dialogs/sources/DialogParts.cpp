#include "gui/dialogs/sources/DialogParts.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/app/StringTable.h"
#include "gui/skin/SkinCaptionButton.h"

namespace sonara::gui::dialog_parts {

QString text(TextId id) {
    return QString::fromStdString(stringText(id));
}

SkinCaptionButton* button(SkinContext& context, TextId caption, QWidget* parent) {
    auto* made = new SkinCaptionButton(context, parent);
    made->setText(text(caption));
    return made;
}

QBoxLayout* listWithButtons(QWidget* list, std::initializer_list<QWidget*> top, QWidget* bottom) {
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(4);
    for (QWidget* widget : top) {
        buttons->addWidget(widget);
    }
    buttons->addStretch(1);
    buttons->addWidget(bottom);
    auto* body = new QHBoxLayout;
    body->setSpacing(10);
    body->addWidget(list, 1);
    body->addLayout(buttons);
    return body;
}

}  // namespace sonara::gui::dialog_parts
