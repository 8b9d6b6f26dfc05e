// The Select Skin dialog: what it lists, applying at once, refusing a broken
// skin, browsing to another skins folder.
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "core/settings/PreferenceStore.h"
#include "core/skin/SkinFiles.h"
#include "gui/app/SkinSwitcher.h"
#include "gui/dialogs/SelectSkinDialog.h"
#include "gui/skin/SkinRecord.h"
#include "skin/DefaultSkin.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;

namespace {

class ScriptedSelectSkinDialog : public SelectSkinDialog {
  public:
    using SelectSkinDialog::SelectSkinDialog;
    QString answer;

  protected:
    QString chooseFolder(const QString&) override { return answer; }
};

struct Fixture {
    QTemporaryDir home;
    PreferenceStore store{home.filePath("Sonara.ini").toStdString(), home.path().toStdString()};
    PreferenceStore* prefs = &store;
    SkinRecord record;
    SkinContext context{record, store};
    std::unique_ptr<SkinSwitcher> switcher;

    Fixture() {
        (void)store.loadAll();  // a fresh folder: the defaults
        store.values().dlgEffects = 0;
        switcher =
            std::make_unique<SkinSwitcher>(context, skin::defaultSkin(), skin::bundledSkins());
        switcher->startUp();
    }
    void makeFolder(const QString& relative) const { QDir(home.path()).mkpath(relative); }
};

QStringList names(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) {
        out << list->item(i)->text();
    }
    return out;
}

}  // namespace

class SelectSkinDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void listsOnlyFoldersWithATileAndSelectsTheCurrentSkin() {
        Fixture f;
        f.makeFolder("Skins/NotASkin");
        SelectSkinDialog dialog(f.context, *f.switcher, nullptr);
        const QStringList listed = names(dialog.skinList());
        QVERIFY(listed.contains("Default"));
        QVERIFY(!listed.contains("NotASkin"));
        QCOMPARE(dialog.skinList()->currentItem()->text(), QString("Default"));
        QVERIFY(dialog.okEnabled());
        QCOMPARE(dialog.folderText(), f.home.filePath("Skins/"));
    }

    void choosingASkinAppliesItAtOnceAndCancelKeepsIt() {
        Fixture f;
        const QString second = QString::fromUtf8(skin::bundledSkins()[1].name.data());
        ScriptedSelectSkinDialog dialog(f.context, *f.switcher, nullptr);
        QSignalSpy applied(&dialog, &SelectSkinDialog::skinApplied);
        dialog.choose(second);
        QCOMPARE(applied.count(), 1);
        QCOMPARE(QString::fromStdString(f.prefs->values().currentSkin), second);
        QVERIFY(!f.record.fontInfo().largeButtonsHaveText);
        dialog.reject();
        QCOMPARE(QString::fromStdString(f.prefs->values().currentSkin), second);
    }

    void aBrokenSkinIsRefusedAndTheListShowsTheSkinInEffect() {
        Fixture f;
        // Listed (it has a tile) but its required files cannot be written:
        // a folder where the large strip should be blocks the repair.
        f.makeFolder("Skins/Broken/LargeButton.bmp");
        QFile tile(f.home.filePath("Skins/Broken/Tile.bmp"));
        QVERIFY(tile.open(QIODevice::WriteOnly));
        tile.close();
        SelectSkinDialog dialog(f.context, *f.switcher, nullptr);
        QSignalSpy applied(&dialog, &SelectSkinDialog::skinApplied);
        dialog.choose("Broken");
        QCOMPARE(applied.count(), 0);
        QCOMPARE(dialog.skinList()->currentItem()->text(), QString("Default"));
        QCOMPARE(QString::fromStdString(f.prefs->values().currentSkin), QString("Default"));
        QVERIFY(f.record.hasBitmap(skin::kLargeButton));
    }

    void browsingToAnEmptyFolderEmptiesTheListAndDisablesOk() {
        Fixture f;
        f.makeFolder("elsewhere");
        ScriptedSelectSkinDialog dialog(f.context, *f.switcher, nullptr);
        dialog.answer = f.home.filePath("elsewhere");
        dialog.browse();
        QCOMPARE(dialog.folderText(), f.home.filePath("elsewhere") + "/");
        QCOMPARE(dialog.skinList()->count(), 0);
        QVERIFY(!dialog.okEnabled());
        dialog.answer.clear();
        dialog.browse();  // Cancel in the picker changes nothing
        QCOMPARE(dialog.folderText(), f.home.filePath("elsewhere") + "/");
    }
};

SONARA_GUI_TEST(SelectSkinDialogTest)
#include "SelectSkinDialogTest.moc"
