// sonara-skin-generator: draws the bundled skins at build time.
//
//   sonara-skin-generator <skins-folder> <source.cpp> <icons-folder> [--png <folder>]
//
// writes every built-in file of each skin into <skins-folder>/<name>/, the
// application icon into <icons-folder>/hicolor/<N>x<N>/apps/sonara.png, and
// a C++ source with the skins' bytes, the icon's and the tray animation's;
// --png also writes each bitmap and tray frame as PNG for looking at.

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QTextStream>
#include <array>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "DesktopArt.h"
#include "FontInfoTexts.h"
#include "Palette.h"
#include "SkinArt.h"
#include "core/skin/SkinFiles.h"

namespace {

using namespace sonara;
using namespace sonara::skingen;

struct SkinOutput {
    QString name;
    QString symbol;  // C++ name of its table
    std::array<QByteArray, skin::kFileCount> files;
    std::array<QImage, skin::kFileCount> images;
};

QByteArray imageBytes(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray bmpBytes(const QImage& image) {
    return imageBytes(image, "BMP");
}

SkinOutput drawSkin(const Palette& palette, const std::string& fontInfo, const QString& symbol) {
    SkinOutput out;
    out.name = palette.name;
    out.symbol = symbol;
    const std::array<std::pair<int, std::function<QImage(const Palette&)>>, 15> kPictures = {{
        {skin::kLargeButton, largeStrip},
        {skin::kLogo, logo},
        {skin::kMediumButton, mediumStrip},
        {skin::kMiniToolBar, miniToolBar},
        {skin::kPlayProgress, playProgress},
        {skin::kSearchToolbar, searchToolbar},
        {skin::kSmallButton, smallStrip},
        {skin::kTile, tile},
        {skin::kVol, volumeSlider},
        {skin::kVolPic, volumePicture},
        {skin::kLogoSmall, logoSmall},
        {skin::kKeySmall, keySmall},
        {skin::kKeyMedium, keyMedium},
        {skin::kKeyLarge, keyLarge},
        {skin::kKeySpacebar, keySpaceBar},
    }};
    for (const auto& [index, draw] : kPictures) {
        out.images[size_t(index)] = draw(palette);
        out.files[size_t(index)] = bmpBytes(out.images[size_t(index)]);
    }
    out.files[skin::kFontInfo] = QByteArray(fontInfo.data(), qsizetype(fontInfo.size()));
    return out;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "sonara-skin-generator: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool writeSkinFolder(const SkinOutput& skinOut, const QString& skinsFolder,
                     const QString& pngFolder) {
    const QString folder = skinsFolder + "/" + skinOut.name;
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "sonara-skin-generator: cannot create %s\n", qPrintable(folder));
        return false;
    }
    for (int index = 0; index < skin::kFileCount; ++index) {
        const QByteArray& bytes = skinOut.files[size_t(index)];
        if (bytes.isEmpty()) {
            continue;
        }
        const std::string_view name = skin::fileInfo(index).name;
        const QString fileName = QString::fromLatin1(name.data(), qsizetype(name.size()));
        if (!writeFile(folder + "/" + fileName, bytes)) {
            return false;
        }
        const QImage& image = skinOut.images[size_t(index)];
        if (!pngFolder.isEmpty() && !image.isNull()) {
            QDir().mkpath(pngFolder);
            image.save(pngFolder + "/" + skinOut.name + "-" + QFileInfo(fileName).baseName() +
                       ".png");
        }
    }
    return true;
}

struct DesktopOutput {
    std::vector<std::vector<QByteArray>> trayFrames;  // by frame, then by kTraySizes
    std::vector<QByteArray> icons;                    // by kIconSizes
};

DesktopOutput drawDesktop(const Palette& palette, const QString& pngFolder) {
    DesktopOutput out;
    for (int frame = 0; frame < kTrayFrames; ++frame) {
        std::vector<QByteArray>& sizes = out.trayFrames.emplace_back();
        for (int size : kTraySizes) {
            const QImage image = trayFrame(palette, size, frame);
            sizes.push_back(imageBytes(image, "PNG"));
            if (!pngFolder.isEmpty()) {
                QDir().mkpath(pngFolder);
                image.save(QString("%1/tray-%2-%3.png").arg(pngFolder).arg(size).arg(frame));
            }
        }
    }
    for (int size : kIconSizes) {
        out.icons.push_back(imageBytes(applicationIcon(palette, size), "PNG"));
    }
    return out;
}

bool writeIcons(const DesktopOutput& desktop, const QString& iconsFolder) {
    for (size_t i = 0; i < kIconSizes.size(); ++i) {
        const QString folder = QString("%1/hicolor/%2x%2/apps").arg(iconsFolder).arg(kIconSizes[i]);
        if (!QDir().mkpath(folder)) {
            std::fprintf(stderr, "sonara-skin-generator: cannot create %s\n", qPrintable(folder));
            return false;
        }
        if (!writeFile(folder + "/sonara.png", desktop.icons[i])) {
            return false;
        }
    }
    return true;
}

QByteArray byteArray(const QByteArray& name, const QByteArray& bytes) {
    QByteArray text = "const unsigned char " + name + "[] = {";
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        text += (i % 24 == 0) ? "\n    " : "";
        text += QByteArray::number(uchar(bytes[i]));
        text += ',';
    }
    return text + "\n};\n";
}

// The desktop's pictures as C++ arrays, after the skins' (inside the
// anonymous namespace the skins' source opens, then the tables).
QByteArray desktopArrays(const DesktopOutput& desktop) {
    QByteArray text;
    for (size_t frame = 0; frame < desktop.trayFrames.size(); ++frame) {
        for (size_t size = 0; size < kTraySizes.size(); ++size) {
            text += byteArray("kTray" + QByteArray::number(qsizetype(frame)) + "_" +
                                  QByteArray::number(kTraySizes[size]),
                              desktop.trayFrames[frame][size]);
        }
    }
    for (size_t i = 0; i < kIconSizes.size(); ++i) {
        text += byteArray("kIcon" + QByteArray::number(kIconSizes[i]), desktop.icons[i]);
    }
    return text;
}

QByteArray desktopTables(const DesktopOutput& desktop) {
    QByteArray text = "\nconst Blob kTrayFrames[kTrayFrameCount][kTrayIconSizeCount] = {\n";
    for (size_t frame = 0; frame < desktop.trayFrames.size(); ++frame) {
        text += "    {";
        for (int size : kTraySizes) {
            const QByteArray array =
                "kTray" + QByteArray::number(qsizetype(frame)) + "_" + QByteArray::number(size);
            text += "{" + array + ", sizeof " + array + "}, ";
        }
        text += "},\n";
    }
    text += "};\n\nconst Blob kApplicationIcon[kApplicationIconSizeCount] = {\n";
    for (int size : kIconSizes) {
        const QByteArray array = "kIcon" + QByteArray::number(size);
        text += "    {" + array + ", sizeof " + array + "},\n";
    }
    return text + "};\n";
}

// The bytes as C++ arrays, indexed by the file table.
QByteArray embeddedSource(const std::vector<SkinOutput>& skins, const DesktopOutput& desktop) {
    QByteArray text;
    text += "// Generated by sonara-skin-generator from data/skin/generator; do not edit.\n";
    text += "#include \"skin/DesktopIconData.h\"\n#include \"skin/GeneratedSkinData.h\"\n\n";
    text += "namespace {\n\n";
    for (const SkinOutput& skinOut : skins) {
        for (int index = 0; index < skin::kFileCount; ++index) {
            const QByteArray& bytes = skinOut.files[size_t(index)];
            if (bytes.isEmpty()) {
                continue;
            }
            text += byteArray("k" + skinOut.symbol.toLatin1() + QByteArray::number(index), bytes);
        }
    }
    text += desktopArrays(desktop);
    text += "\n}  // namespace\n\nnamespace sonara::skin::generated {\n";
    for (const SkinOutput& skinOut : skins) {
        text += "\nconst Blob k" + skinOut.symbol.toLatin1() + "Skin[kFileCount] = {\n";
        for (int index = 0; index < skin::kFileCount; ++index) {
            if (skinOut.files[size_t(index)].isEmpty()) {
                text += "    {nullptr, 0},\n";
            } else {
                const QByteArray array =
                    "k" + skinOut.symbol.toLatin1() + QByteArray::number(index);
                text += "    {" + array + ", sizeof " + array + "},\n";
            }
        }
        text += "};\n";
    }
    text += desktopTables(desktop);
    text += "\n}  // namespace sonara::skin::generated\n";
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    // Drawing needs a GUI application but never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString pngFolder;
    QStringList positional;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == "--png" && i + 1 < args.size()) {
            pngFolder = args[++i];
        } else {
            positional << args[i];
        }
    }
    if (positional.size() != 3) {
        std::fprintf(stderr,
                     "usage: sonara-skin-generator <skins-folder> <source.cpp> "
                     "<icons-folder> [--png <folder>]\n");
        return 2;
    }
    const std::vector<SkinOutput> skins = {
        drawSkin(defaultPalette(), defaultFontInfoText(), "Default"),
        drawSkin(daylightPalette(), daylightFontInfoText(), "Daylight"),
    };
    for (const SkinOutput& skinOut : skins) {
        if (!writeSkinFolder(skinOut, positional[0], pngFolder)) {
            return 1;
        }
    }
    const DesktopOutput desktop = drawDesktop(defaultPalette(), pngFolder);
    if (!writeIcons(desktop, positional[2])) {
        return 1;
    }
    return writeFile(positional[1], embeddedSource(skins, desktop)) ? 0 : 1;
}
