#include "Palette.h"

#include "core/skin/SkinFiles.h"

namespace sonara::skingen {

using namespace sonara::skin;

Palette defaultPalette() {
    Palette p;
    p.name = "Default";
    p.transparent = QColor(0, 0, 0);
    p.sliderTransparent = QColor(64, 123, 54);
    p.matte = QColor(24, 26, 31);
    p.tileBase = QColor(24, 26, 31);
    p.tileGrain = 3;
    const QColor noColour(0, 0, 0, 0);
    p.faces[kUp] = {
        QColor(66, 71, 82), QColor(33, 36, 42),  QColor(96, 103, 118), QColor(255, 255, 255, 46),
        noColour,           QColor(255, 255, 0), QPoint(0, 0),         false};
    p.faces[kDown] = {QColor(20, 21, 25), QColor(36, 38, 45),  QColor(84, 89, 101), noColour,
                      noColour,           QColor(144, 144, 0), QPoint(1, 1),        true};
    p.faces[kFocus] = {
        QColor(66, 71, 82),   QColor(33, 36, 42),  QColor(96, 103, 118), QColor(255, 255, 255, 46),
        QColor(232, 186, 40), QColor(144, 144, 0), QPoint(0, 0),         false};
    p.faces[kMouseOver] = {QColor(88, 95, 110),
                           QColor(46, 50, 59),
                           QColor(210, 168, 40),
                           QColor(255, 255, 255, 64),
                           noColour,
                           QColor(255, 199, 0),
                           QPoint(0, 0),
                           false};
    p.faces[kDisabled] = {QColor(42, 43, 47), QColor(38, 39, 43),    QColor(60, 62, 67), noColour,
                          noColour,           QColor(128, 128, 128), QPoint(0, 0),       false};
    p.symbolShadow = QColor(8, 8, 10, 170);
    p.icon = QColor(236, 226, 150);
    p.accent = QColor(255, 204, 40);
    p.accentDark = QColor(178, 128, 0);
    p.trackTop = QColor(12, 13, 16);
    p.trackBottom = QColor(34, 36, 42);
    p.trackBorder = QColor(78, 83, 95);
    p.logoTop = QColor(255, 240, 130);
    p.logoBottom = QColor(255, 186, 0);
    p.logoMarkInk = QColor(28, 30, 36);
    p.largeCaptions = true;
    return p;
}

Palette daylightPalette() {
    Palette p;
    p.name = "Daylight";
    p.transparent = QColor(255, 0, 255);
    p.sliderTransparent = QColor(255, 0, 255);
    p.matte = QColor(231, 235, 241);
    p.tileBase = QColor(231, 235, 241);
    p.tileGrain = 2;
    const QColor noColour(0, 0, 0, 0);
    p.faces[kUp] = {QColor(253, 253, 254),
                    QColor(226, 230, 237),
                    QColor(150, 160, 178),
                    QColor(255, 255, 255, 220),
                    noColour,
                    QColor(34, 41, 56),
                    QPoint(0, 0),
                    false};
    p.faces[kDown] = {QColor(196, 204, 217),
                      QColor(220, 225, 233),
                      QColor(128, 139, 158),
                      noColour,
                      noColour,
                      QColor(16, 70, 150),
                      QPoint(1, 1),
                      true};
    p.faces[kFocus] = {QColor(253, 253, 254), QColor(226, 230, 237),
                       QColor(150, 160, 178), QColor(255, 255, 255, 220),
                       QColor(46, 124, 232),  QColor(20, 90, 180),
                       QPoint(0, 0),          false};
    p.faces[kMouseOver] = {QColor(255, 255, 255),
                           QColor(232, 240, 252),
                           QColor(70, 140, 230),
                           QColor(255, 255, 255, 255),
                           noColour,
                           QColor(0, 110, 220),
                           QPoint(0, 0),
                           false};
    p.faces[kDisabled] = {QColor(226, 229, 234),
                          QColor(222, 225, 230),
                          QColor(190, 196, 206),
                          noColour,
                          noColour,
                          QColor(150, 156, 166),
                          QPoint(0, 0),
                          false};
    p.symbolShadow = QColor(255, 255, 255, 200);
    p.icon = QColor(44, 56, 78);
    p.accent = QColor(46, 124, 232);
    p.accentDark = QColor(20, 80, 170);
    p.trackTop = QColor(196, 203, 214);
    p.trackBottom = QColor(236, 239, 244);
    p.trackBorder = QColor(150, 160, 178);
    p.logoTop = QColor(60, 140, 240);
    p.logoBottom = QColor(20, 70, 160);
    p.logoMarkInk = QColor(250, 251, 253);
    p.largeCaptions = false;
    return p;
}

}  // namespace sonara::skingen
