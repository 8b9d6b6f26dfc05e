// The MP3-to-WAV dialog: a conversion into a folder it offers to create,
// the folder it stores, and Cancel in the middle of a run. With SONARA_SHOTS
// set to a folder it leaves pictures of the idle and the converting dialog
// per bundled skin there.
#include <QLineEdit>
#include <QtTest>
#include <filesystem>
#include <string>
#include <vector>

#include "gui/app/SkinSwitcher.h"
#include "gui/dialogs/tools2/WavConversionDialog.h"
#include "gui/skin/SkinCaptionButton.h"
#include "skin/DefaultSkin.h"
#include "support/Mp3Fixture.h"
#include "support/TestRegistry.h"
#include "support/WindowSession.h"

using namespace sonara;
using namespace sonara::gui;

namespace {

std::vector<std::string> writeSongs(test::WindowSession& s, const std::vector<std::string>& names) {
    std::vector<std::string> paths;
    for (const std::string& name : names) {
        paths.push_back(s.home.filePath(QString::fromStdString(name)).toStdString());
        testing::writeMp3(paths.back(), testing::songSpec(1));
    }
    return paths;
}

void saveShots(WavConversionDialog& dialog, test::WindowSession& s, const QString& state) {
    const QByteArray shots = qgetenv("SONARA_SHOTS");
    if (shots.isEmpty()) {
        return;
    }
    for (const skin::BundledSkin& bundled : skin::bundledSkins()) {
        const std::string name(bundled.name);
        QVERIFY(s.app->skinSwitcher().select(name, &dialog));
        QCoreApplication::processEvents();
        dialog.grab().save(QString::fromUtf8(shots) + "/towav-" + state + "-" +
                           QString::fromStdString(name) + ".png");
    }
}

}  // namespace

class WavConversionDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void convertsIntoANewFolderAndStoresIt() {
        test::WindowSession s;
        s.start([](AppSession& app) { app.prefs().values().dlgEffects = 0; });
        WavConversionDialog dialog(s.app->services().skin, s.app->dispatcher(), s.app->prompter(),
                                   writeSongs(s, {"Song.mp3"}), s.window.get());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.closeButton()->text(), QString("Close"));
        const std::string folder = s.home.filePath("Wav").toStdString();
        dialog.folderField()->setText(QString::fromStdString(folder));
        saveShots(dialog, s, "idle");

        s.answer = [](const PromptRequest&) { return Answer::No; };
        dialog.convertButton()->click();
        QVERIFY(s.told("The specified folder does not exist."));
        QVERIFY(!dialog.converting());
        QVERIFY(!std::filesystem::exists(folder));

        s.answer = [](const PromptRequest&) { return Answer::Yes; };
        dialog.convertButton()->click();
        QVERIFY(dialog.converting());
        QCOMPARE(dialog.closeButton()->text(), QString("Cancel"));
        QVERIFY(!dialog.folderField()->isEnabled());
        QVERIFY(!dialog.browseButton()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.converting(), 20000);
        QVERIFY(s.told("File(s) converted successfully!"));
        QVERIFY(std::filesystem::file_size(folder + "/Song.wav") > 44);
        QCOMPARE(s.app->prefs().values().wavFilesFolder, folder + "/");
        QCOMPARE(dialog.closeButton()->text(), QString("Close"));
        QVERIFY(dialog.folderField()->isEnabled());

        dialog.closeButton()->click();
        QTRY_VERIFY(!dialog.isVisible());
    }

    void cancelInTheSecondOfThreeFilesEndsTheRun() {
        test::WindowSession s;
        s.start([](AppSession& app) { app.prefs().values().dlgEffects = 0; });
        const std::string folder = s.home.filePath("out").toStdString();
        std::filesystem::create_directories(folder);
        s.app->prefs().values().wavFilesFolder = folder + "/";
        WavConversionDialog dialog(s.app->services().skin, s.app->dispatcher(), s.app->prompter(),
                                   writeSongs(s, {"One.mp3", "Two.mp3", "Three.mp3"}),
                                   s.window.get());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.folderField()->text(), QString::fromStdString(folder + "/"));
        bool shot = false;
        connect(&dialog, &WavConversionDialog::statusShown, this, [&](const QString& text) {
            if (text == "File 2 of 3 : Two.mp3") {
                if (!shot) {
                    shot = true;
                    saveShots(dialog, s, "converting");
                }
                dialog.closeButton()->click();
            }
        });
        dialog.convertButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.converting(), 20000);
        QVERIFY(shot);
        QVERIFY(s.told("Conversion cancelled!"));
        QVERIFY(!s.told("File(s) converted successfully!"));
        QVERIFY(!std::filesystem::exists(folder + "/Three.wav"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.closeButton()->text(), QString("Close"));
    }
};

SONARA_GUI_TEST(WavConversionDialogTest)
#include "WavConversionDialogTest.moc"
