// The About box: the library totals it reports, and the keys that close it,
// in each bundled skin. With SONARA_ABOUT_SHOTS set to a folder it also
// leaves a picture of itself there per skin, for looking at.
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "core/library/Library.h"
#include "core/settings/PreferenceStore.h"
#include "gui/app/SkinSwitcher.h"
#include "gui/dialogs/AboutDialog.h"
#include "gui/skin/SkinRecord.h"
#include "skin/DefaultSkin.h"
#include "support/RecordBuilder.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;

namespace {

struct Fixture {
    QTemporaryDir home;
    PreferenceStore store{home.filePath("Sonara.ini").toStdString(), home.path().toStdString()};
    SkinRecord record;
    SkinContext context{record, store};
    std::unique_ptr<SkinSwitcher> switcher;
    Library library;

    Fixture() {
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
        qputenv("XDG_DATA_HOME", home.filePath("data").toUtf8());
        (void)store.loadAll();
        store.values().dlgEffects = 0;
        switcher =
            std::make_unique<SkinSwitcher>(context, skin::defaultSkin(), skin::bundledSkins());
        switcher->startUp();
        // 3 songs of 31 min 40 s: 1.58 hours, shown as 1.6 (rounded, not cut).
        for (int i = 0; i < 3; ++i) {
            auto song = testing::makeRecord("song" + std::to_string(i) + ".mp3");
            song->lengthSeconds = 1900;
            library.append(std::move(song));
        }
    }
};

}  // namespace

class AboutDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void showsTheVersionAndTheLibraryTotals() {
        Fixture f;
        AboutDialog dialog(f.context, f.library, nullptr);
        QCOMPARE(dialog.windowTitle(), QString("About Sonara"));
        QCOMPARE(dialog.versionText(), QString("Version " SONARA_VERSION));
        QCOMPARE(dialog.countText(), QString("Total Library Count: 3"));
        QCOMPARE(dialog.timeText(), QString("Total Library Time (hours): 1.6"));

        Library empty;
        AboutDialog none(f.context, empty, nullptr);
        QCOMPARE(none.countText(), QString("Total Library Count: 0"));
        QCOMPARE(none.timeText(), QString("Total Library Time (hours): 0.0"));
    }

    void returnAndEscapeCloseItInEachSkin() {
        Fixture f;
        const QByteArray shots = qgetenv("SONARA_ABOUT_SHOTS");
        for (const skin::BundledSkin& bundled : skin::bundledSkins()) {
            const std::string name(bundled.name);
            QVERIFY(f.switcher->select(name, nullptr));
            for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
                AboutDialog dialog(f.context, f.library, nullptr);
                dialog.show();
                QVERIFY(QTest::qWaitForWindowExposed(&dialog));
                if (!shots.isEmpty() && key == Qt::Key_Return) {
                    dialog.grab().save(QString::fromUtf8(shots) + "/about-" +
                                       QString::fromStdString(name) + ".png");
                }
                QTest::keyClick(&dialog, Qt::Key(key));
                QTRY_VERIFY(!dialog.isVisible());
                QCOMPARE(dialog.result(),
                         key == Qt::Key_Return ? int(QDialog::Accepted) : int(QDialog::Rejected));
            }
        }
    }
};

SONARA_GUI_TEST(AboutDialogTest)
#include "AboutDialogTest.moc"
