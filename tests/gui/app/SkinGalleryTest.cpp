// `sonara --skin-gallery`: the program started as a user would, offscreen.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include "support/TestRegistry.h"

namespace {

struct Run {
    int exitCode = -1;
    QString err;
};

Run runSonara(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(SONARA_GUI_BINARY, arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

class SkinGalleryTest : public QObject {
    Q_OBJECT
  private slots:
    void firstStartRendersTheDefaultSkinWithoutAWindow() {
        QTemporaryDir home;
        const QString out = home.filePath("gallery.png");
        const Run run = runSonara({"--home", home.path(), "--skin-gallery", out});
        QCOMPARE(run.exitCode, 0);
        const QImage gallery(out);
        QVERIFY(!gallery.isNull());
        QVERIFY(gallery.width() > 600 && gallery.height() > 500);
        QVERIFY(QFile::exists(home.filePath("Skins/Default/FontInfo.ini")));
    }

    void aDamagedSkinIsRepairedOrReplacedNeverFatal() {
        QTemporaryDir home;
        QVERIFY(
            runSonara({"--home", home.path(), "--skin-gallery", home.filePath("a.png")}).exitCode ==
            0);
        const QString skin = home.filePath("Skins/Default/");
        // Garbage, empty and cut-short bitmaps, a broken FontInfo.ini, a
        // font file that is no font, and a deleted required file.
        writeFile(skin + "LargeButton.bmp", QByteArray("BM not really a bitmap"));
        writeFile(skin + "Tile.bmp", QByteArray());
        QFile logo(skin + "Logo.bmp");
        QVERIFY(logo.open(QIODevice::ReadWrite));
        logo.resize(logo.size() / 2);
        logo.close();
        writeFile(skin + "FontInfo.ini", QByteArray("[Button\n=== \xff\xfe garbage\n"));
        writeFile(skin + "broken.ttf", QByteArray("no font"));
        QVERIFY(QFile::remove(skin + "vol.bmp"));

        const QString out = home.filePath("b.png");
        const Run run = runSonara({"--home", home.path(), "--skin-gallery", out});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(!QImage(out).isNull());
        QVERIFY(QFile::exists(skin + "vol.bmp"));
        QVERIFY(!run.err.contains("could not be loaded"));
        // The damaged default files were put aside and written afresh.
        QVERIFY(QFile::exists(skin + "LargeButton.bmp.damaged"));
        QVERIFY(!QImage(skin + "LargeButton.bmp").isNull());
        QVERIFY(!QImage(skin + "Tile.bmp").isNull());
    }

    void anUnwritableOutputIsReported() {
        QTemporaryDir home;
        const Run run = runSonara(
            {"--home", home.path(), "--skin-gallery", home.filePath("missing/folder/g.png")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("unable to write"));
    }
};

SONARA_GUI_TEST(SkinGalleryTest)
#include "SkinGalleryTest.moc"
