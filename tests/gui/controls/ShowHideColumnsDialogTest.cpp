// Show/Hide Columns: at least one column, and the four flags stored.
#include <QCheckBox>
#include <QtTest>

#include "gui/controls/ShowHideColumnsDialog.h"
#include "gui/skin/SkinCaptionButton.h"
#include "support/SkinWidgetFixture.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;
using sonara::gui::test::SkinWidgetFixture;

namespace {
class CapturingDialog : public ShowHideColumnsDialog {
  public:
    using ShowHideColumnsDialog::ShowHideColumnsDialog;
    QStringList messages;

  protected:
    void showMessage(const QString& text) override { messages << text; }
};
}  // namespace

class ShowHideColumnsDialogTest : public QObject {
    Q_OBJECT
    SkinWidgetFixture fixture_;

  private slots:
    void initTestCase() { fixture_.prefs().values().dlgEffects = 0; }

    void startsFromThePreferences() {
        fixture_.prefs().values().showArtist = 1;
        fixture_.prefs().values().showAlbum = 0;
        fixture_.prefs().values().showTitle = 1;
        fixture_.prefs().values().showLength = 0;
        CapturingDialog dialog(fixture_.context());
        QCOMPARE(dialog.checked(), (ShownColumns{true, false, true, false}));
        QCOMPARE(dialog.windowTitle(), QString("Show/Hide Columns"));
    }

    void noneCheckedSaysSoAndStaysOpen() {
        fixture_.prefs().values().showArtist = 1;
        CapturingDialog dialog(fixture_.context());
        dialog.show();
        dialog.setChecked({});
        dialog.okButton()->click();
        QCOMPARE(dialog.messages, QStringList{"Please select at least one column"});
        QVERIFY(dialog.isVisible());
        QCOMPARE(fixture_.prefs().values().showArtist, 1);  // nothing stored
    }

    void okStoresAndSavesTheFlags() {
        CapturingDialog dialog(fixture_.context());
        dialog.show();
        dialog.setChecked({false, true, false, true});
        dialog.okButton()->click();
        QVERIFY(dialog.messages.isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(fixture_.prefs().values().showAlbum, 1);
        QCOMPARE(fixture_.prefs().values().showArtist, 0);

        PreferenceStore reread(fixture_.prefs().iniPath(), fixture_.prefs().programFolder());
        QVERIFY(reread.loadAll().ok());
        QCOMPARE(reread.values().showAlbum, 1);
        QCOMPARE(reread.values().showLength, 1);
        QCOMPARE(reread.values().showTitle, 0);
    }
};

SONARA_GUI_TEST(ShowHideColumnsDialogTest)
#include "ShowHideColumnsDialogTest.moc"
