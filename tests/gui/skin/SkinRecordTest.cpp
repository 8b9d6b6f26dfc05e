#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include "core/skin/SkinFiles.h"
#include "gui/skin/SkinPainting.h"
#include "gui/skin/SkinRecord.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;

namespace {

QImage solid(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QByteArray bmpBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString anySystemFont() {
    for (const QString& root :
         {QStringLiteral("/usr/share/fonts"), QStringLiteral("/usr/local/share/fonts")}) {
        QDirIterator it(root, {QStringLiteral("*.ttf")}, QDir::Files, QDirIterator::Subdirectories);
        if (it.hasNext()) {
            return it.next();
        }
    }
    return {};
}

}  // namespace

class SkinRecordTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir_;
    std::string folder() const { return dir_.path().toStdString() + "/"; }

    // Every required bitmap, under names cased unlike the table's.
    void writeCompleteSkin() {
        for (int index = 0; index < skin::kFileCount; ++index) {
            const skin::SkinFileInfo& info = skin::fileInfo(index);
            if (!info.required || index == skin::kFontInfo) {
                continue;
            }
            QSize size(10, 10);
            if (index == skin::kLargeButton) {
                size = QSize(385, 400);
            } else if (index == skin::kLogo) {
                size = QSize(120, 28);
            }
            const QColor colour = index == skin::kLogo ? QColor(200, 30, 30) : QColor(0, 80, index);
            writeFile(dir_.filePath(
                          QString::fromLatin1(info.name.data(), int(info.name.size())).toLower()),
                      bmpBytes(solid(size, colour)));
        }
    }

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        qputenv("HOME", dir_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
        qputenv("XDG_DATA_HOME", dir_.path().toUtf8());
    }

    void completeSkinFillsRequiredSlotsAndMakesTheSmallLogo() {
        writeCompleteSkin();
        writeFile(dir_.filePath("fontinfo.ini"),
                  "[Button]\nLarge Buttons Have Text=1\n[BackgroundSettings]\nTile Dialogs=0\n");
        SkinRecord record;
        QVERIFY(record.load(folder()));
        QCOMPARE(record.bitmap(skin::kTile).size(), QSize(10, 10));
        QVERIFY(record.bitmap(skin::kFontInfo).isNull());
        // The dialog background is optional and answered by the tile.
        QVERIFY(!record.hasBitmap(skin::kDialogBackground));
        QCOMPARE(record.bitmapPresent(skin::kDialogBackground).pixelColor(0, 0),
                 record.bitmap(skin::kTile).pixelColor(0, 0));
        // LogoSmall is the logo scaled.
        QCOMPARE(record.bitmap(skin::kLogoSmall).size(), QSize(60, 14));
        QCOMPARE(record.bitmap(skin::kLogoSmall).pixelColor(30, 7), QColor(200, 30, 30));
        // FontInfo.ini read, and completed on disk.
        QVERIFY(record.fontInfo().largeButtonsHaveText);
        QVERIFY(!record.fontInfo().tileDialogs);
        QFile ini(dir_.filePath("fontinfo.ini"));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QVERIFY(ini.readAll().contains("Medium Buttons Have Text"));
        // Cells of the captioned large strip: 77 × 20.
        QCOMPARE(record.cellRect(skin::kLargeButton, 2, 3), QRect(154, 60, 77, 20));
        QCOMPARE(record.cellSize(skin::kLargeButton), QSize(77, 20));
        QCOMPARE(record.cellSize(skin::kSmallButton), QSize(2, 10));

        record.unload();
        QVERIFY(!record.hasBitmap(skin::kTile));
        QVERIFY(!record.hasBitmap(skin::kLogoSmall));
    }

    void brokenFilesLeaveEmptySlots() {
        writeCompleteSkin();
        const QByteArray valid = bmpBytes(solid(QSize(40, 40), Qt::green));
        writeFile(dir_.filePath("DialogBackground.bmp"), QByteArray());
        writeFile(dir_.filePath("PlayerBackground.bmp"), valid.left(valid.size() / 3));
        writeFile(dir_.filePath("MenuBackground.bmp"), QByteArray("BM not a picture at all"));
        writeFile(dir_.filePath("logosmall.bmp"), bmpBytes(solid(QSize(5, 5), Qt::blue)));
        SkinRecord record;
        QVERIFY(record.load(folder()));
        QVERIFY(!record.hasBitmap(skin::kDialogBackground));
        QVERIFY(!record.hasBitmap(skin::kMenuBackground));
        // The decoder would make up the missing rows of a truncated file.
        QVERIFY(!record.hasBitmap(skin::kPlayerBackground));
        // An existing small logo is kept as it is.
        QCOMPARE(record.bitmap(skin::kLogoSmall).size(), QSize(5, 5));

        // A required file that does not decode makes the skin incomplete.
        writeFile(dir_.filePath("vol.bmp"), QByteArray(100, 'x'));
        QVERIFY(!record.load(folder()));
        QVERIFY(!record.hasBitmap(skin::kVol));
        QVERIFY(record.hasBitmap(skin::kTile));

        for (const char* name : {"DialogBackground.bmp", "PlayerBackground.bmp",
                                 "MenuBackground.bmp", "logosmall.bmp"}) {
            QFile::remove(dir_.filePath(name));
        }
    }

    void missingFolderLoadsNothing() {
        SkinRecord record;
        QVERIFY(!record.load(dir_.path().toStdString() + "/absent/"));
        QVERIFY(!record.hasBitmap(skin::kTile));
        QVERIFY(!record.hasBitmap(skin::kLogoSmall));
    }

    void fontsAreAddedAndRemovedAgain() {
        const QString font = anySystemFont();
        if (font.isEmpty()) {
            QSKIP("no TrueType font on this system to copy into the skin");
        }
        QTemporaryDir skinDir;
        QVERIFY(QFile::copy(font, skinDir.filePath("Title.TTF")));
        writeFile(skinDir.filePath("broken.ttf"), QByteArray("not a font"));
        writeFile(skinDir.filePath("notes.txt"), QByteArray("x"));

        SkinRecord record;
        record.load(skinDir.path().toStdString() + "/");
        QCOMPARE(record.fontIdsAdded().size(), 1);
        QVERIFY(!record.fontFamiliesAdded().isEmpty());
        const int id = record.fontIdsAdded().front();
        QVERIFY(!QFontDatabase::applicationFontFamilies(id).isEmpty());

        record.unload();
        QVERIFY(record.fontIdsAdded().isEmpty());
        QVERIFY(QFontDatabase::applicationFontFamilies(id).isEmpty());
    }

    void transparentCopyKeepsWhatIsUnderneath() {
        QImage face = solid(QSize(4, 2), Qt::red);
        face.setPixelColor(1, 0, Qt::black);
        QImage target = solid(QSize(6, 2), Qt::blue);
        QPainter painter(&target);
        transparentCopy(painter, face, QRect(1, 0, 4, 2), Qt::black);
        painter.end();
        QCOMPARE(target.pixelColor(1, 0), QColor(Qt::red));
        QCOMPARE(target.pixelColor(2, 0), QColor(Qt::blue));  // the keyed pixel
        QCOMPARE(target.pixelColor(0, 0), QColor(Qt::blue));  // outside the destination

        // With a fill, the keyed pixels show the fill instead.
        QPainter again(&target);
        transparentCopy(again, face, QRect(1, 0, 4, 2), Qt::black, QColor(Qt::green));
        again.end();
        QCOMPARE(target.pixelColor(2, 0), QColor(Qt::green));
    }

    void tilesRepeatFromTheCornerAndStopAtTheArea() {
        QImage pattern = solid(QSize(3, 3), Qt::yellow);
        pattern.setPixelColor(0, 0, Qt::magenta);
        QImage target = solid(QSize(12, 12), Qt::white);
        QPainter painter(&target);
        tile(painter, pattern, QRect(1, 1, 7, 7));
        painter.end();
        QCOMPARE(target.pixelColor(1, 1), QColor(Qt::magenta));
        QCOMPARE(target.pixelColor(4, 4), QColor(Qt::magenta));
        QCOMPARE(target.pixelColor(7, 7), QColor(Qt::magenta));  // last tile, clipped
        QCOMPARE(target.pixelColor(8, 8), QColor(Qt::white));
        QCOMPARE(target.pixelColor(0, 0), QColor(Qt::white));
    }

    void scaleIntoGivesTheAskedSizeAndNothingFromNothing() {
        QCOMPARE(scaleInto(solid(QSize(7, 3), Qt::red), QRect(0, 0, 7, 3), 60, 14).size(),
                 QSize(60, 14));
        QVERIFY(scaleInto(QImage(), QRect(0, 0, 7, 3), 60, 14).isNull());
        QVERIFY(scaleInto(solid(QSize(7, 3), Qt::red), QRect(20, 20, 5, 5), 60, 14).isNull());
    }
};

SONARA_GUI_TEST(SkinRecordTest)
#include "SkinRecordTest.moc"
