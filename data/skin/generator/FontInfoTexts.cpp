#include "FontInfoTexts.h"

#include "core/settings/Colour.h"
#include "core/settings/IniFile.h"
#include "core/skin/FontInfo.h"
#include "core/skin/VisualisationSettings.h"

namespace sonara::skingen {

namespace {

void setColour(IniFile& file, std::string_view section, std::string_view key, int r, int g, int b) {
    (void)file.set(section, key, formatColour(Colour::fromRgb(r, g, b)));
}

void setFont(IniFile& file, std::string_view section, std::string_view face, int size, bool bold) {
    (void)file.set(section, "Font Style", face);
    (void)file.setInt(section, "Font Size", size);
    (void)file.setInt(section, "Font Bold", bold ? 1 : 0);
}

void setButtonColours(IniFile& file, std::string_view section) {
    setColour(file, section, "RGB Text Color Up", 34, 41, 56);
    setColour(file, section, "RGB Text Color Focus", 20, 90, 180);
    setColour(file, section, "RGB Text Color Down", 16, 70, 150);
    setColour(file, section, "RGB Text Color MouseOver", 0, 110, 220);
    setColour(file, section, "RGB Text Color Disabled", 150, 156, 166);
}

VisualisationColours daylightVisualisation() {
    VisualisationColours colours;
    colours.bar1 = rgbNumber(40, 120, 220);
    colours.bar2 = rgbNumber(0, 165, 190);
    colours.bar3 = rgbNumber(235, 115, 40);
    colours.background = rgbNumber(238, 241, 246);
    colours.inactive1 = rgbNumber(214, 222, 234);
    colours.inactive2 = rgbNumber(208, 220, 228);
    colours.inactive3 = rgbNumber(236, 214, 204);
    return colours;
}

}  // namespace

std::string defaultFontInfoText() {
    return skin::builtInFontInfoText();
}

std::string daylightFontInfoText() {
    // Start from the built-in file so both skins carry the same keys.
    IniFile file;
    (void)file.loadFromText(skin::builtInFontInfoText());

    (void)file.setInt("BackgroundSettings", "Tile Main Window", 1);
    (void)file.setInt("BackgroundSettings", "Tile Dialogs", 1);

    setFont(file, "StaticText", "DejaVu Sans", 12, true);
    setColour(file, "StaticText", "RGB Enabled Color", 30, 38, 52);
    setColour(file, "StaticText", "RGB Disabled Color", 140, 148, 160);

    setColour(file, "Button", "RGB Transparent Color", 255, 0, 255);
    (void)file.setInt("Button", "Large Buttons Have Text", 0);
    setFont(file, "Button", "DejaVu Sans", 12, true);
    setButtonColours(file, "Button");
    (void)file.setInt("Button", "Medium Buttons Have Text", 1);
    setFont(file, "Medium Button", "DejaVu Sans", 12, true);
    setButtonColours(file, "Medium Button");

    setColour(file, "HyperLinks", "RGB HyperLink Color", 0, 102, 204);
    setColour(file, "HyperLinks", "RGB Visited HyperLink Color", 110, 60, 170);
    setColour(file, "ProgressCtrlColors", "RGB ProgressCtrl Start Color", 90, 170, 255);
    setColour(file, "ProgressCtrlColors", "RGB ProgressCtrl End Color", 20, 80, 200);

    setColour(file, "ListControlColors", "RGB ListCtrl Text", 28, 34, 46);
    setColour(file, "ListControlColors", "RGB ListCtrl Background", 250, 251, 253);
    (void)file.setInt("ListControlColors", "Use Transparent Background", 0);
    setFont(file, "ListControlColors", "DejaVu Sans", 11, false);

    setColour(file, "ComboBoxColors", "RGB ComboBox Text", 20, 28, 40);
    setColour(file, "ComboBoxColors", "RGB ComboBox Background", 252, 253, 255);

    (void)file.setInt("GraphicSliders", "UseTransparency", 1);
    setColour(file, "GraphicSliders", "TransColor", 255, 0, 255);

    setColour(file, "PopupMenus", "RGB Enabled Color", 30, 38, 52);
    // Menus draw the highlighted item in this colour: the skin's accent.
    setColour(file, "PopupMenus", "RGB Disabled Color", 0, 102, 204);
    setFont(file, "PopupMenus", "DejaVu Sans", 11, false);

    VisualisationSettings visualisation = VisualisationSettings::builtIn();
    for (SpectrumSettings* spectrum :
         {&visualisation.largeSpectrum, &visualisation.smallSpectrum}) {
        spectrum->colours = daylightVisualisation();
    }
    for (LevelSettings* levels : {&visualisation.tallLevels, &visualisation.shortLevels}) {
        levels->colours = daylightVisualisation();
    }
    visualisation.largeSpectrum.write(kLargeSpectrumSection, file);
    visualisation.smallSpectrum.write(kSmallSpectrumSection, file);
    visualisation.tallLevels.write(kTallLevelsSection, file);
    visualisation.shortLevels.write(kShortLevelsSection, file);
    return file.toText();
}

}  // namespace sonara::skingen
