// Show/Hide Columns: at least one column, and the four flags stored.
#include <QCheckBox>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "core/settings/PreferenceStore.h"
#include "gui/controls/ShowHideColumnsDialog.h"
#include "gui/skin/SkinCaptionButton.h"
#include "gui/skin/SkinRecord.h"

using namespace sonara;
using namespace sonara::gui;

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
    QTemporaryDir home_;
    std::unique_ptr<PreferenceStore> prefs_;
    SkinRecord skin_;
    std::unique_ptr<SkinContext> context_;

    QString iniPath() const { return home_.filePath("Sonara.ini"); }

  private slots:
    void initTestCase() {
        qputenv("HOME", home_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home_.filePath("config").toUtf8());
        qputenv("XDG_RUNTIME_DIR", home_.path().toUtf8());
        prefs_ =
            std::make_unique<PreferenceStore>(iniPath().toStdString(), home_.path().toStdString());
        prefs_->values().dlgEffects = 0;
        context_ = std::make_unique<SkinContext>(SkinContext{skin_, *prefs_});
    }

    void startsFromThePreferences() {
        prefs_->values().showArtist = 1;
        prefs_->values().showAlbum = 0;
        prefs_->values().showTitle = 1;
        prefs_->values().showLength = 0;
        CapturingDialog dialog(*context_);
        QCOMPARE(dialog.checked(), (ShownColumns{true, false, true, false}));
        QCOMPARE(dialog.windowTitle(), QString("Show/Hide Columns"));
    }

    void noneCheckedSaysSoAndStaysOpen() {
        prefs_->values().showArtist = 1;
        CapturingDialog dialog(*context_);
        dialog.show();
        dialog.setChecked({});
        dialog.okButton()->click();
        QCOMPARE(dialog.messages, QStringList{"Please select at least one column"});
        QVERIFY(dialog.isVisible());
        QCOMPARE(prefs_->values().showArtist, 1);  // nothing stored
    }

    void okStoresAndSavesTheFlags() {
        CapturingDialog dialog(*context_);
        dialog.show();
        dialog.setChecked({false, true, false, true});
        dialog.okButton()->click();
        QVERIFY(dialog.messages.isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(prefs_->values().showAlbum, 1);
        QCOMPARE(prefs_->values().showArtist, 0);

        PreferenceStore reread(iniPath().toStdString(), home_.path().toStdString());
        QVERIFY(reread.loadAll().ok());
        QCOMPARE(reread.values().showAlbum, 1);
        QCOMPARE(reread.values().showLength, 1);
        QCOMPARE(reread.values().showTitle, 0);
    }
};

QTEST_MAIN(ShowHideColumnsDialogTest)
#include "ShowHideColumnsDialogTest.moc"
