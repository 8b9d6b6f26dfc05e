#include "core/skin/FontInfo.h"

#include "core/settings/ProfileRoutines.h"
#include "core/skin/SkinFiles.h"
#include "core/skin/SkinFolder.h"

namespace sonara::skin {

namespace {

constexpr std::string_view kBackground = "BackgroundSettings";
constexpr std::string_view kStatic = "StaticText";
constexpr std::string_view kButton = "Button";
constexpr std::string_view kMedium = "Medium Button";
constexpr std::string_view kHyperLinks = "HyperLinks";
constexpr std::string_view kProgress = "ProgressCtrlColors";
constexpr std::string_view kList = "ListControlColors";
constexpr std::string_view kCombo = "ComboBoxColors";
constexpr std::string_view kSliders = "GraphicSliders";
constexpr std::string_view kMenus = "PopupMenus";

constexpr std::string_view kFace = "Font Style";
constexpr std::string_view kSize = "Font Size";
constexpr std::string_view kBold = "Font Bold";
constexpr std::string_view kEnabledKey = "RGB Enabled Color";
constexpr std::string_view kDisabledKey = "RGB Disabled Color";

// The five text colour keys in file order (not column order) with the
// string-table ids of their defaults.
struct TextColourKey {
    std::string_view key;
    Colour ButtonTextColours::*member;
    TextId defaultTextId;
};
constexpr TextColourKey kTextColourKeys[] = {
    {"RGB Text Color Up", &ButtonTextColours::up, TextId::ButtonTextUpColour},
    {"RGB Text Color Focus", &ButtonTextColours::focus, TextId::ButtonTextFocusColour},
    {"RGB Text Color Down", &ButtonTextColours::down, TextId::ButtonTextDownColour},
    {"RGB Text Color MouseOver", &ButtonTextColours::mouseOver, TextId::ButtonTextMouseOverColour},
    {"RGB Text Color Disabled", &ButtonTextColours::disabled, TextId::ButtonTextDisabledColour},
};

bool readFlag(const IniFile& file, std::string_view section, std::string_view key,
              int defaultValue) {
    return file.getInt(section, key, defaultValue) != 0;
}

FontSpec readFont(const IniFile& file, std::string_view section, TextId faceTextId, int size,
                  bool bold) {
    FontSpec font;
    readProfileText(file, section, kFace, faceTextId, font.face);
    font.size = file.getInt(section, kSize, size);
    font.bold = readFlag(file, section, kBold, bold ? 1 : 0);
    return font;
}

// A font whose every key defaults to `fallback`.
FontSpec readFont(const IniFile& file, std::string_view section, const FontSpec& fallback) {
    FontSpec font;
    font.face = file.getText(section, kFace, fallback.face);
    font.size = file.getInt(section, kSize, fallback.size);
    font.bold = readFlag(file, section, kBold, fallback.bold ? 1 : 0);
    return font;
}

Colour readColour(const IniFile& file, std::string_view section, std::string_view key,
                  TextId defaultTextId) {
    return readProfileColour(file, section, key, defaultTextId);
}

Colour readColour(const IniFile& file, std::string_view section, std::string_view key,
                  Colour fallback) {
    return readProfileColour(file, section, key, fallback, /*swap=*/false);
}

ButtonTextColours readTextColours(const IniFile& file, std::string_view section) {
    ButtonTextColours colours;
    for (const TextColourKey& k : kTextColourKeys) {
        colours.*k.member = readColour(file, section, k.key, k.defaultTextId);
    }
    return colours;
}

ButtonTextColours readTextColours(const IniFile& file, std::string_view section,
                                  const ButtonTextColours& fallback) {
    ButtonTextColours colours;
    for (const TextColourKey& k : kTextColourKeys) {
        colours.*k.member = readColour(file, section, k.key, fallback.*k.member);
    }
    return colours;
}

FontInfo readAll(const IniFile& file) {
    FontInfo f;
    f.tileMainWindow = readFlag(file, kBackground, "Tile Main Window", 1);
    f.tileDialogs = readFlag(file, kBackground, "Tile Dialogs", 1);

    f.staticFont = readFont(file, kStatic, TextId::DefaultFontFace, 14, true);
    f.staticEnabled = readColour(file, kStatic, kEnabledKey, TextId::StaticTextEnabledColour);
    f.staticDisabled = readColour(file, kStatic, kDisabledKey, TextId::StaticTextDisabledColour);

    f.transparent =
        readColour(file, kButton, "RGB Transparent Color", TextId::ButtonTransparentColour);
    f.largeButtonsHaveText = readFlag(file, kButton, "Large Buttons Have Text", 0);
    f.buttonFont = readFont(file, kButton, TextId::DefaultFontFace, 14, true);
    f.buttonText = readTextColours(file, kButton);
    f.mediumButtonsHaveText = readFlag(file, kButton, "Medium Buttons Have Text", 0);

    f.mediumFont = readFont(file, kMedium, f.buttonFont);
    f.mediumText = readTextColours(file, kMedium, f.buttonText);

    f.hyperLink = readColour(file, kHyperLinks, "RGB HyperLink Color", TextId::HyperLinkColour);
    f.visitedHyperLink = readColour(file, kHyperLinks, "RGB Visited HyperLink Color",
                                    TextId::VisitedHyperLinkColour);

    f.progressStart =
        readColour(file, kProgress, "RGB ProgressCtrl Start Color", TextId::ProgressStartColour);
    f.progressEnd =
        readColour(file, kProgress, "RGB ProgressCtrl End Color", TextId::ProgressEndColour);

    f.listText = readColour(file, kList, "RGB ListCtrl Text", TextId::ListTextColour);
    f.listBackground =
        readColour(file, kList, "RGB ListCtrl Background", TextId::ListBackgroundColour);
    f.listTransparent = readFlag(file, kList, "Use Transparent Background", 0);
    f.listFont = readFont(file, kList, TextId::ListFontFace, 11, false);

    f.comboText = readColour(file, kCombo, "RGB ComboBox Text", TextId::ComboTextColour);
    f.comboBackground =
        readColour(file, kCombo, "RGB ComboBox Background", TextId::ComboBackgroundColour);

    f.sliderTransparency = readFlag(file, kSliders, "UseTransparency", 0);
    f.sliderTransColour = readColour(file, kSliders, "TransColor", TextId::SliderTransparentColour);

    f.menuEnabled = readColour(file, kMenus, kEnabledKey, f.staticEnabled);
    f.menuDisabled = readColour(file, kMenus, kDisabledKey, f.staticDisabled);
    f.menuFont = readFont(file, kMenus, TextId::MenuFontFace, 11, false);
    return f;
}

// Write errors are the caller's to ignore: a skin may sit on read-only media.
void writeFlag(IniFile& file, std::string_view section, std::string_view key, bool value) {
    writeProfileInt(file, section, key, value ? 1 : 0);
}

void writeColour(IniFile& file, std::string_view section, std::string_view key, Colour colour) {
    writeProfileColour(file, section, key, colour, /*swap=*/false);
}

void writeFont(IniFile& file, std::string_view section, const FontSpec& font) {
    (void)file.set(section, kFace, font.face);
    writeProfileInt(file, section, kSize, font.size);
    writeFlag(file, section, kBold, font.bold);
}

void writeTextColours(IniFile& file, std::string_view section, const ButtonTextColours& colours) {
    for (const TextColourKey& k : kTextColourKeys) {
        writeColour(file, section, k.key, colours.*k.member);
    }
}

// Table order, so that a file made from nothing reads like the built-in one.
void writeMain(IniFile& file, const FontInfo& f) {
    writeFlag(file, kBackground, "Tile Main Window", f.tileMainWindow);
    writeFlag(file, kBackground, "Tile Dialogs", f.tileDialogs);

    writeFont(file, kStatic, f.staticFont);
    writeColour(file, kStatic, kEnabledKey, f.staticEnabled);
    writeColour(file, kStatic, kDisabledKey, f.staticDisabled);

    writeColour(file, kButton, "RGB Transparent Color", f.transparent);
    writeFlag(file, kButton, "Large Buttons Have Text", f.largeButtonsHaveText);
    writeFont(file, kButton, f.buttonFont);
    writeTextColours(file, kButton, f.buttonText);
    writeFlag(file, kButton, "Medium Buttons Have Text", f.mediumButtonsHaveText);

    writeFont(file, kMedium, f.mediumFont);
    writeTextColours(file, kMedium, f.mediumText);

    writeColour(file, kHyperLinks, "RGB HyperLink Color", f.hyperLink);
    writeColour(file, kHyperLinks, "RGB Visited HyperLink Color", f.visitedHyperLink);

    writeColour(file, kProgress, "RGB ProgressCtrl Start Color", f.progressStart);
    writeColour(file, kProgress, "RGB ProgressCtrl End Color", f.progressEnd);

    writeColour(file, kList, "RGB ListCtrl Text", f.listText);
    writeColour(file, kList, "RGB ListCtrl Background", f.listBackground);
    writeFlag(file, kList, "Use Transparent Background", f.listTransparent);
    writeFont(file, kList, f.listFont);

    writeColour(file, kCombo, "RGB ComboBox Text", f.comboText);
    writeColour(file, kCombo, "RGB ComboBox Background", f.comboBackground);

    writeFlag(file, kSliders, "UseTransparency", f.sliderTransparency);
    writeColour(file, kSliders, "TransColor", f.sliderTransColour);

    writeColour(file, kMenus, kEnabledKey, f.menuEnabled);
    writeColour(file, kMenus, kDisabledKey, f.menuDisabled);
    writeFont(file, kMenus, f.menuFont);
}

void writeVisualisation(IniFile& file, const FontInfo& f) {
    f.visualisation.largeSpectrum.write(kLargeSpectrumSection, file);
    f.visualisation.smallSpectrum.write(kSmallSpectrumSection, file);
    f.visualisation.tallLevels.write(kTallLevelsSection, file);
    f.visualisation.shortLevels.write(kShortLevelsSection, file);
}

}  // namespace

Colour ButtonTextColours::forColumn(int stateColumn) const {
    switch (stateColumn) {
        case kDown:
            return down;
        case kFocus:
            return focus;
        case kMouseOver:
            return mouseOver;
        case kDisabled:
            return disabled;
        default:
            return up;
    }
}

FontInfo FontInfo::builtIn() {
    FontInfo f;
    f.staticFont = {"Arial", 12, true};
    f.staticEnabled = Colour::fromRgb(255, 255, 0);
    f.staticDisabled = Colour::fromRgb(1, 206, 20);
    f.transparent = Colour::fromRgb(0, 0, 0);
    f.largeButtonsHaveText = true;
    f.buttonFont = {"Arial", 12, true};
    f.buttonText.up = Colour::fromRgb(255, 255, 0);
    f.buttonText.focus = Colour::fromRgb(144, 144, 0);
    f.buttonText.down = Colour::fromRgb(144, 144, 0);
    f.buttonText.mouseOver = Colour::fromRgb(255, 199, 0);
    f.buttonText.disabled = Colour::fromRgb(128, 128, 128);
    f.mediumButtonsHaveText = true;
    f.mediumFont = f.buttonFont;
    f.mediumText = f.buttonText;
    f.hyperLink = Colour::fromRgb(0, 255, 0);
    f.visitedHyperLink = Colour::fromRgb(255, 255, 255);
    f.progressStart = Colour::fromRgb(0, 0, 255);
    f.progressEnd = Colour::fromRgb(255, 0, 0);
    f.listText = Colour::fromRgb(255, 255, 0);
    f.listBackground = Colour::fromRgb(0, 0, 0);
    f.listTransparent = true;
    f.listFont = {"MS Sans Serif", 11, false};
    f.comboText = Colour::fromRgb(255, 255, 255);
    f.comboBackground = Colour::fromRgb(0, 0, 0);
    f.sliderTransparency = true;
    f.sliderTransColour = Colour::fromRgb(64, 123, 54);
    f.menuEnabled = Colour::fromRgb(255, 255, 0);
    f.menuDisabled = Colour::fromRgb(1, 206, 20);
    f.menuFont = {"MS Sans Serif", 11, false};
    f.visualisation = VisualisationSettings::builtIn();
    return f;
}

FontInfo readAndCompleteFontInfo(IniFile& file) {
    FontInfo info = readAll(file);
    // The visualisation sections come last in a file made from nothing.
    writeMain(file, info);
    info.visualisation = readAndCompleteVisualisationSections(file);
    return info;
}

FontInfo readAndCompleteFontInfoFile(const std::string& skinFolder) {
    const std::string path = filePath(skinFolder, kFontInfo);
    IniFile file;
    if (!file.load(path)) {
        // Saving now would replace a file we could not read with defaults.
        IniFile empty;
        return readAll(empty);
    }
    const std::string before = file.toText();
    FontInfo info = readAndCompleteFontInfo(file);
    // A complete file is not rewritten, so a skin on read-only media stays
    // quiet; a failed save still leaves the values read.
    if (file.toText() != before) {
        (void)file.save(path);
    }
    return info;
}

std::string builtInFontInfoText() {
    IniFile file;
    const FontInfo builtIn = FontInfo::builtIn();
    writeMain(file, builtIn);
    writeVisualisation(file, builtIn);
    return file.toText();
}

}  // namespace sonara::skin
