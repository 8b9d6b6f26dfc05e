#pragma once

#include <string>

#include "core/io/Result.h"
#include "core/settings/Colour.h"
#include "core/settings/IniFile.h"
#include "core/skin/VisualisationSettings.h"

// A skin's FontInfo.ini as values. Member initialisers are the defaults for
// missing keys; builtIn() gives the values of the built-in skin's own file.
namespace sonara::skin {

struct FontSpec {
    std::string face = "Arial";
    int size = 14;  // character height in pixels
    bool bold = true;
    bool operator==(const FontSpec&) const = default;
};

// By state column: Up, Down, Focus, MouseOver, Disabled.
struct ButtonTextColours {
    Colour up = Colour::fromRgb(255, 255, 255);
    Colour down = Colour::fromRgb(255, 255, 255);
    Colour focus = Colour::fromRgb(255, 255, 255);
    Colour mouseOver = Colour::fromRgb(255, 255, 255);
    Colour disabled = Colour::fromRgb(192, 192, 192);
    Colour forColumn(int stateColumn) const;
    bool operator==(const ButtonTextColours&) const = default;
};

struct FontInfo {
    // [BackgroundSettings]
    bool tileMainWindow = true;
    bool tileDialogs = true;
    // [StaticText]
    FontSpec staticFont;
    Colour staticEnabled = Colour::fromRgb(0, 0, 255);
    Colour staticDisabled = Colour::fromRgb(192, 192, 192);
    // [Button]
    Colour transparent = Colour::fromRgb(0, 0, 0);
    bool largeButtonsHaveText = false;
    FontSpec buttonFont;
    ButtonTextColours buttonText;
    bool mediumButtonsHaveText = false;
    // [Medium Button]: missing keys take the [Button] values just read.
    FontSpec mediumFont;
    ButtonTextColours mediumText;
    // [HyperLinks]
    Colour hyperLink = Colour::fromRgb(0, 0, 238);
    Colour visitedHyperLink = Colour::fromRgb(85, 26, 139);
    // [ProgressCtrlColors]
    Colour progressStart = Colour::fromRgb(0, 0, 0);
    Colour progressEnd = Colour::fromRgb(255, 255, 255);
    // [ListControlColors]
    Colour listText = Colour::fromRgb(0, 0, 0);
    Colour listBackground = Colour::fromRgb(255, 255, 255);
    bool listTransparent = false;
    FontSpec listFont{"MS Sans Serif", 11, false};
    // [ComboBoxColors]
    Colour comboText = Colour::fromRgb(0, 0, 0);
    Colour comboBackground = Colour::fromRgb(255, 255, 255);
    // [GraphicSliders]
    bool sliderTransparency = false;
    Colour sliderTransColour = Colour::fromRgb(0, 0, 0);
    // [PopupMenus]: colours default to the [StaticText] ones.
    Colour menuEnabled = Colour::fromRgb(0, 0, 255);
    Colour menuDisabled = Colour::fromRgb(192, 192, 192);
    FontSpec menuFont{"MS Sans Serif", 11, false};
    // [LargeSpectrum], [SmallSpectrum], [TallLevels], [ShortLevels]
    VisualisationSettings visualisation;

    static FontInfo builtIn();

    bool operator==(const FontInfo&) const = default;
};

// Reads every key (defaults for the missing ones, texts up to 511
// characters) and writes every value back, so the file is completed.
FontInfo readAndCompleteFontInfo(IniFile& file);

// The same on the skin folder's FontInfo.ini (found ignoring case; created
// when absent). Write errors are ignored, as a skin folder may be read-only;
// an unreadable file gives the defaults and is left alone.
FontInfo readAndCompleteFontInfoFile(const std::string& skinFolder);

// The text of the built-in skin's FontInfo.ini, for the generator.
std::string builtInFontInfoText();

}  // namespace sonara::skin
