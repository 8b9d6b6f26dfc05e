#include "gui/mainwnd/MainControls.h"

#include <QWidget>
#include <algorithm>

#include "core/mainwnd/MainTemplate.h"
#include "core/skin/SkinFiles.h"
#include "gui/skin/SkinButton.h"
#include "gui/skin/SkinPicture.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui::main_controls {

namespace {

// Narrower than the template, the controls of fixed width that the rules
// centre on the lists (the titles, the seek bar, the library label) leave
// the window; lower than this the lists have no room for rows.
constexpr int kSmallestHeight = 360;

}  // namespace

void createSkinImages(QWidget& window, SkinContext& context, ControlMap& controls) {
    const std::pair<ControlId, int> images[] = {{ControlId::LargeSkinImage, skin::kLogo},
                                                {ControlId::SmallSkinImage, skin::kLogoSmall}};
    for (const auto& [id, index] : images) {
        auto* picture = new SkinPicture(context, &window);
        picture->setControlId(static_cast<int>(id));
        picture->setSkinIndex(index);
        picture->setMode(SkinPicture::kTransparent);
        picture->setAttribute(Qt::WA_TransparentForMouseEvents);
        const QRect at = ControlMap::templateRect(id);
        controls.add(id, picture);
        // The picture takes its bitmap's size at the template's corner.
        picture->move(at.topLeft());
        if (picture->picture().isNull()) {
            picture->resize(at.size());
        }
    }
}

void createMenuButton(QWidget& window, SkinContext& context, ControlMap& controls,
                      std::function<void()> pressed) {
    auto* button = new SkinButton(context, &window);
    button->setControlId(static_cast<int>(ControlId::MenuButton));
    controls.place(ControlId::MenuButton, button);
    button->setSkin(skin::kSmallButton, TextId::TipProgramOptions);
    QObject::connect(button, &SkinButton::clicked, &window, [pressed] { pressed(); });
}

void createPlaceholders(QWidget& window, ControlMap& controls) {
    for (const TemplateControl& control : MainTemplate::controls()) {
        if (controls.find(control.id) != nullptr) {
            continue;
        }
        auto* placeholder = new QWidget(&window);
        placeholder->setObjectName(QString("anchor%1").arg(static_cast<int>(control.id)));
        placeholder->setAttribute(Qt::WA_TransparentForMouseEvents);
        controls.place(control.id, placeholder);
        placeholder->hide();
    }
}

QSize minimumClientSize(const SkinRecord& skin) {
    const QImage& logo = skin.bitmap(skin::kLogo);
    const QImage& miniBar = skin.bitmap(skin::kMiniToolBar);
    const int width =
        std::max(MainTemplate::clientPixels().width, logo.width() + miniBar.width() + 40);
    return {width, kSmallestHeight};
}

}  // namespace sonara::gui::main_controls
