#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <map>

#include "core/settings/Colour.h"
#include "core/settings/IniFile.h"
#include "core/skin/SkinFiles.h"
#include "gui/skin/SkinRecord.h"
#include "skin/DefaultSkin.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::skin;

// The bundled skins as the build drew them: every file the table promises
// is there and decodes at the size the controls cut it by, and a button face
// never holds its skin's transparent colour.
class BuiltInSkinTest : public QObject {
    Q_OBJECT

  private:
    static QImage image(const BuiltInSkin& skin, int index) {
        const std::string_view bytes = skin.file(index);
        return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), int(bytes.size()),
                                "BMP");
    }

    // A writable copy of a generated skin folder: loading completes
    // FontInfo.ini in place.
    static QString copyOfGeneratedSkin(const QTemporaryDir& temp, const QString& name) {
        const QDir source(QStringLiteral(SONARA_GENERATED_SKINS) + name);
        const QString target = temp.filePath(name);
        QDir().mkpath(target);
        for (const QString& file : source.entryList(QDir::Files)) {
            QFile::copy(source.filePath(file), target + "/" + file);
        }
        return target + "/";
    }

  private slots:
    void everyBuiltInFileDecodesAtItsSize() {
        const std::map<int, QSize> sizes = {
            {kLogo, {156, 42}},         {kMediumButton, {135, 352}}, {kMiniToolBar, {226, 16}},
            {kPlayProgress, {345, 13}}, {kSearchToolbar, {297, 15}}, {kSmallButton, {95, 19}},
            {kTile, {64, 64}},          {kVol, {115, 13}},           {kVolPic, {13, 13}},
            {kLogoSmall, {60, 14}},     {kKeySmall, {28, 32}},       {kKeyMedium, {42, 32}},
            {kKeyLarge, {56, 32}},      {kKeySpacebar, {168, 32}},
        };
        const std::vector<BundledSkin> skins = bundledSkins();
        QCOMPARE(skins.size(), size_t(2));
        QCOMPARE(skins[0].name, std::string_view("Default"));
        QCOMPARE(&skins[0].files, &defaultSkin());
        for (const BundledSkin& bundled : skins) {
            for (int index = 0; index < kFileCount; ++index) {
                // The shipped skins carry the touch-screen keys beside the
                // files every skin must have.
                const bool keyFace = index >= kKeyLarge && index <= kKeySpacebar;
                const bool builtIn = fileInfo(index).hasBuiltIn || keyFace;
                QCOMPARE(bundled.files.file(index).empty(), !builtIn);
                if (!builtIn || index == kFontInfo) {
                    continue;
                }
                const QImage bitmap = image(bundled.files, index);
                QVERIFY2(!bitmap.isNull(), fileInfo(index).name.data());
                if (index == kLargeButton) {
                    // With captions the 20 rows, else one generic row.
                    QVERIFY(bitmap.size() == QSize(385, 400) || bitmap.size() == QSize(385, 20));
                } else {
                    QCOMPARE(bitmap.size(), sizes.at(index));
                }
            }
        }
    }

    void generatedFoldersLoadWithTheirCellGeometry() {
        QTemporaryDir temp;
        QVERIFY(temp.isValid());
        qputenv("HOME", temp.path().toUtf8());
        gui::SkinRecord record;
        QVERIFY(record.load(copyOfGeneratedSkin(temp, "Default").toStdString()));
        QCOMPARE(record.cellSize(kLargeButton), QSize(77, 20));
        QCOMPARE(record.cellSize(kMediumButton), QSize(27, 22));
        QCOMPARE(record.cellSize(kSmallButton), QSize(19, 19));

        QVERIFY(record.load(copyOfGeneratedSkin(temp, "Daylight").toStdString()));
        QVERIFY(!record.fontInfo().largeButtonsHaveText);
        QCOMPARE(record.cellSize(kLargeButton), QSize(77, 20));
        QCOMPARE(record.cellSize(kMediumButton), QSize(27, 22));
    }

    void buttonFacesKeepClearOfTheTransparentColour() {
        for (const BundledSkin& bundled : bundledSkins()) {
            IniFile fontInfo;
            QVERIFY(fontInfo.loadFromText(bundled.files.file(kFontInfo)).ok());
            const auto key =
                parseColour(fontInfo.getText("Button", "RGB Transparent Color", "(0,0,0)"));
            QVERIFY(key.has_value());
            const QRgb transparent = qRgb(key->red(), key->green(), key->blue());
            for (int strip : {kLargeButton, kMediumButton, kSmallButton}) {
                const QImage bitmap = image(bundled.files, strip);
                const int rows = strip == kMediumButton ? kMediumCaptionRows
                                 : strip == kLargeButton && bitmap.height() == 400
                                     ? kLargeCaptionRows
                                     : 1;
                const int width = bitmap.width() / 5;
                const int height = bitmap.height() / rows;
                for (int row = 0; row < rows; ++row) {
                    for (int column = 0; column < 5; ++column) {
                        const QRect cell(column * width, row * height, width, height);
                        // The corners show the background; the face, edge to
                        // edge across its middle, never does.
                        QCOMPARE(bitmap.pixel(cell.topLeft()) & 0xFFFFFF, transparent & 0xFFFFFF);
                        for (int x = cell.left() + 1; x < cell.right(); ++x) {
                            const QRgb pixel = bitmap.pixel(x, cell.center().y());
                            QVERIFY2((pixel & 0xFFFFFF) != (transparent & 0xFFFFFF),
                                     qPrintable(QString("strip %1 row %2 column %3 x %4")
                                                    .arg(strip)
                                                    .arg(row)
                                                    .arg(column)
                                                    .arg(x)));
                        }
                    }
                }
            }
        }
    }

    void daylightChangesEveryColourOfTheDefault() {
        const std::vector<BundledSkin> skins = bundledSkins();
        IniFile base;
        IniFile other;
        QVERIFY(base.loadFromText(skins[0].files.file(kFontInfo)).ok());
        QVERIFY(other.loadFromText(skins[1].files.file(kFontInfo)).ok());
        int colours = 0;
        for (const std::string& section : base.sections()) {
            for (const std::string& key : base.keys(section)) {
                const auto mine = parseColour(base.getText(section, key, ""));
                const auto theirs = other.get(section, key);
                QVERIFY2(theirs.has_value(), (section + "/" + key).c_str());
                if (mine) {
                    ++colours;
                    QVERIFY2(parseColour(*theirs) != mine, (section + "/" + key).c_str());
                }
            }
        }
        QVERIFY(colours > 20);
        QCOMPARE(other.getInt("Button", "Large Buttons Have Text", 1), 0);
    }
};

SONARA_GUI_TEST(BuiltInSkinTest)
#include "BuiltInSkinTest.moc"
