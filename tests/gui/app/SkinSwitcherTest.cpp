// Putting skins into effect: start-up repair and reset, selection, ".snx".
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>
#include <memory>

#include "core/settings/PreferenceStore.h"
#include "core/skin/SkinFiles.h"
#include "gui/app/SkinSwitcher.h"
#include "gui/skin/SkinEvents.h"
#include "gui/skin/SkinRecord.h"
#include "skin/DefaultSkin.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;

namespace {

// Counts the skin-changed notices a widget receives.
class NoticeCounter : public QWidget {
  public:
    using QWidget::QWidget;
    int notices = 0;

  protected:
    bool event(QEvent* event) override {
        if (event->type() == SkinChangedEvent::eventType()) {
            ++notices;
        }
        return QWidget::event(event);
    }
};

struct Fixture {
    QTemporaryDir home;
    std::unique_ptr<PreferenceStore> prefs;
    SkinRecord record;
    std::unique_ptr<SkinSwitcher> switcher;

    Fixture() {
        prefs = std::make_unique<PreferenceStore>(path("Sonara.ini"), home.path().toStdString());
        (void)prefs->loadAll();  // a fresh folder: the defaults
        switcher = std::make_unique<SkinSwitcher>(SkinContext{record, *prefs}, skin::defaultSkin(),
                                                  skin::bundledSkins());
    }
    std::string path(const QString& name) const { return home.filePath(name).toStdString(); }
    QString skinFile(const QString& skinName, const QString& file) const {
        return home.filePath("Skins/" + skinName + "/" + file);
    }
};

}  // namespace

class SkinSwitcherTest : public QObject {
    Q_OBJECT
  private slots:
    void firstStartWritesAndLoadsTheDefaultAndShippedSkins() {
        Fixture f;
        QVERIFY(f.switcher->startUp());
        QCOMPARE(QString::fromStdString(f.prefs->values().currentSkin), QString("Default"));
        QVERIFY(QFile::exists(f.skinFile("Default", "Tile.bmp")));
        QVERIFY(f.record.hasBitmap(skin::kLargeButton));
        QVERIFY(f.record.hasBitmap(skin::kLogoSmall));
        for (const auto& bundled : skin::bundledSkins()) {
            QVERIFY(QFile::exists(f.skinFile(
                QString::fromUtf8(bundled.name.data(), int(bundled.name.size())), "Tile.bmp")));
        }
    }

    void aDeletedRequiredFileComesBackAtTheNextStart() {
        Fixture f;
        QVERIFY(f.switcher->startUp());
        QVERIFY(QFile::remove(f.skinFile("Default", "vol.bmp")));
        QVERIFY(f.switcher->startUp());
        QVERIFY(QFile::exists(f.skinFile("Default", "vol.bmp")));
        QVERIFY(f.record.hasBitmap(skin::kVol));
    }

    void aMissingCurrentSkinFallsBackToTheDefault() {
        Fixture f;
        f.prefs->setSkinName("Gone");
        QVERIFY(f.switcher->startUp());
        QCOMPARE(QString::fromStdString(f.prefs->values().currentSkin), QString("Default"));
        QVERIFY(f.record.hasBitmap(skin::kTile));
    }

    void selectingAppliesAtOnceAndABrokenSkinChangesNothing() {
        Fixture f;
        QVERIFY(f.switcher->startUp());
        const auto bundled = skin::bundledSkins();
        QVERIFY(bundled.size() >= 2);
        const std::string second(bundled[1].name);

        NoticeCounter root;
        auto* child = new NoticeCounter(&root);
        QVERIFY(f.switcher->select(second, &root));
        QCOMPARE(f.prefs->values().currentSkin, second);
        QCOMPARE(root.notices, 1);
        QCOMPARE(child->notices, 1);
        QVERIFY(!f.record.fontInfo().largeButtonsHaveText);

        // A name whose folder is a plain file cannot be repaired.
        QFile blocker(f.home.filePath("Skins/Broken"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!f.switcher->select("Broken", &root));
        QCOMPARE(f.prefs->values().currentSkin, second);
        QCOMPARE(root.notices, 1);
        QVERIFY(!f.switcher->select("../Default", &root));
    }

    void aSkinPointerFileNamesTheSkinToApply() {
        Fixture f;
        QVERIFY(f.switcher->startUp());
        const std::string second(skin::bundledSkins()[1].name);
        const QString snx = f.home.filePath("pick.snx");
        QFile file(snx);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write((f.home.filePath("Skins/") + QString::fromStdString(second) + "/").toUtf8());
        file.close();
        NoticeCounter root;
        QVERIFY(f.switcher->openPointerFile(snx.toStdString(), &root).ok());
        QCOMPARE(f.prefs->values().currentSkin, second);
        QCOMPARE(root.notices, 1);

        QFile bad(f.home.filePath("bad.snx"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write((f.home.filePath("Skins/Nowhere")).toUtf8());
        bad.close();
        const Status refused = f.switcher->openPointerFile(bad.fileName().toStdString(), &root);
        QVERIFY(!refused.ok());
        QCOMPARE(f.prefs->values().currentSkin, second);
    }
};

SONARA_GUI_TEST(SkinSwitcherTest)
#include "SkinSwitcherTest.moc"
