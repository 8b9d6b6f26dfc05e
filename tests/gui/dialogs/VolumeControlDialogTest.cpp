// The Volume Control dialog: Cancel puts back what was there, OK stores the
// stream level and balance, Reset centres, and the menu command opens it.
#include <QtTest>

#include "EditorTestSession.h"
#include "core/settings/PreferenceStore.h"
#include "gui/controls/SkinSlider.h"
#include "gui/dialogs/editors/VolumeControlDialog.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;
using namespace sonara::gui::test;

namespace {

std::unique_ptr<VolumeControlDialog> openDialog(WindowSession& s, std::vector<int>* heard) {
    return std::make_unique<VolumeControlDialog>(
        s.app->services().skin, s.app->dispatcher(), s.app->prompter(), s.app->player().player(),
        [heard](int level) {
            if (heard != nullptr) {
                heard->push_back(level);
            }
        },
        s.window.get());
}

int savedValue(WindowSession& s, int Preferences::*field) {
    PreferenceStore reread(s.paths.preferences, s.paths.programFolder, s.paths.homeFolder);
    (void)reread.loadAll();
    return reread.values().*field;
}

}  // namespace

class VolumeControlDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void cancelPutsBackTheLevelsItOpenedWith() {
        WindowSession s;
        editors::startWithSongs(s, 0);
        s.app->prefs().values().streamVolumeMMTools = 20000;
        s.app->prefs().values().balanceMMTools = 30000;
        auto dialog = openDialog(s, nullptr);
        QCOMPARE(dialog->pcmSlider()->value(), 20000);
        dialog->moveSlider(dialog->pcmSlider(), 100);
        dialog->moveSlider(dialog->balanceSlider(), 0);
        dialog->reject();
        QCOMPARE(dialog->pcmSlider()->value(), 20000);
        QCOMPARE(dialog->balanceSlider()->value(), 30000);
        QCOMPARE(s.app->prefs().values().streamVolumeMMTools, 20000);
        QCOMPARE(s.app->prefs().values().balanceMMTools, 30000);
    }

    void okStoresAndSavesTheStreamLevelAndBalanceAfterReset() {
        WindowSession s;
        editors::startWithSongs(s, 0);
        std::vector<int> heard;
        auto dialog = openDialog(s, &heard);
        dialog->moveSlider(dialog->pcmSlider(), 100);
        dialog->reset();
        QCOMPARE(dialog->pcmSlider()->value(), 16384);
        QCOMPARE(dialog->balanceSlider()->value(), 32768);
        dialog->moveSlider(dialog->balanceSlider(), 40000);
        dialog->accept();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(savedValue(s, &Preferences::streamVolumeMMTools), 16384);
        QCOMPARE(savedValue(s, &Preferences::balanceMMTools), 40000);
        // The window's slider hears the master level only when there is one.
        QCOMPARE(heard.empty(), !dialog->masterSlider()->isEnabled());
    }

    void theVolumeCommandOpensIt() {
        WindowSession s;
        editors::startWithSongs(s, 0);
        QString shown;
        QVERIFY(whileModal([&] { s.window->runCommand(Command::Volume); },
                           [&](QDialog& dialog) {
                               shown = dialog.windowTitle();
                               dialog.reject();
                           }));
        QCOMPARE(shown, QString("Volume Control"));
        editors::saveShots(s, "volume", [&] { return openDialog(s, nullptr); });
    }
};

SONARA_GUI_TEST(VolumeControlDialogTest)
#include "VolumeControlDialogTest.moc"
