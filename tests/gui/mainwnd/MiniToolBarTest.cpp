#include <QSignalSpy>
#include <QtTest>

#include "core/skin/SkinFiles.h"
#include "gui/mainwnd/ControlMap.h"
#include "gui/mainwnd/MiniToolBar.h"
#include "gui/skin/SkinEvents.h"
#include "support/SkinWidgetFixture.h"
#include "support/TestRegistry.h"

using namespace sonara;
using sonara::gui::MiniToolBar;

class MiniToolBarTest : public QObject {
    Q_OBJECT
  private slots:
    void eachButtonGivesItsAction();
    void sitsRightAlignedAtTheTemplatePlaceInThePicturesSize();
};

void MiniToolBarTest::eachButtonGivesItsAction() {
    gui::test::SkinWidgetFixture f;
    f.skin().setBitmap(skin::kMiniToolBar,
                       gui::test::solidImage(QSize(226, 16), QColor(20, 40, 60)));
    MiniToolBar bar(f.context());
    bar.resize(bar.sizeHint());
    QSignalSpy spy(&bar, &MiniToolBar::action);
    std::vector<MiniToolBarAction> expected;
    for (const MiniToolBarItem& item : miniToolBarItems()) {
        const QPoint centre(item.rect.left + item.rect.width / 2,
                            item.rect.top + item.rect.height / 2);
        QTest::mouseClick(&bar, Qt::LeftButton, {}, centre);
        expected.push_back(item.action);
    }
    QCOMPARE(spy.count(), 15);
    for (int index = 0; index < 15; ++index) {
        QCOMPARE(spy.at(index).at(0).value<MiniToolBarAction>(), expected[size_t(index)]);
    }
    // Between two groups of buttons: nothing.
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(75, 8));
    QCOMPARE(spy.count(), 15);
}

void MiniToolBarTest::sitsRightAlignedAtTheTemplatePlaceInThePicturesSize() {
    gui::test::SkinWidgetFixture f;
    f.skin().setBitmap(skin::kMiniToolBar,
                       gui::test::solidImage(QSize(226, 16), QColor(20, 40, 60)));
    QWidget window;
    gui::ControlMap controls;
    MiniToolBar* bar = MiniToolBar::create(f.context(), &window, controls);
    QCOMPARE(controls.find(ControlId::MiniToolbar), bar);
    const QRect place = gui::ControlMap::templateRect(ControlId::MiniToolbar);
    QCOMPARE(bar->geometry(), QRect(place.right() + 1 - 226, place.top(), 226, 16));

    // A skin with a smaller picture: still flush with the same right edge.
    f.skin().setBitmap(skin::kMiniToolBar,
                       gui::test::solidImage(QSize(200, 14), QColor(20, 40, 60)));
    gui::notifySkinChanged(&window);
    QCOMPARE(bar->geometry(), QRect(place.right() + 1 - 200, place.top(), 200, 14));

    // A skin without the picture: a plain bar that still reaches every button.
    f.skin().setBitmap(skin::kMiniToolBar, QImage());
    gui::notifySkinChanged(&window);
    QCOMPARE(bar->geometry(), QRect(place.right() + 1 - 226, place.top(), 226, 16));
}

SONARA_GUI_TEST(MiniToolBarTest)
#include "MiniToolBarTest.moc"
