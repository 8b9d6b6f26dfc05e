#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

#include "core/app/StringTable.h"
#include "core/skin/SkinFiles.h"
#include "gui/controls/SkinToolStrip.h"
#include "gui/skin/HoverTip.h"
#include "support/SkinWidgetFixture.h"
#include "support/TestRegistry.h"

using namespace sonara;
using sonara::gui::SkinToolStrip;

class SkinToolStripTest : public QObject {
    Q_OBJECT
  private slots:
    void releaseOverAnItemTriggersItsAction();
    void dragMovesTheWindowAndSuppressesTheAction();
    void tipsFollowShowTips();
    void paintsTheBitmapAndTheHotItem();
};

namespace {

struct Fixture : gui::test::SkinWidgetFixture {
    Fixture() {
        skin().setBitmap(skin::kMiniToolBar,
                         gui::test::solidImage(QSize(60, 12), QColor(40, 80, 120)));
    }
};

void setUp(SkinToolStrip& strip) {
    strip.setItems({{QRect(0, 0, 12, 12), 3, TextId::SelectOneColumn},
                    {QRect(20, 0, 12, 12), 7, TextId::SelectOneColumn}});
    strip.resize(strip.sizeHint());
}

// Mouse events with explicit global points: the window moves under the
// mouse during a drag, so strip coordinates alone do not tell the motion.
void send(QWidget& widget, QEvent::Type type, QPoint local, QPoint global,
          Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(local), QPointF(global), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

}  // namespace

void SkinToolStripTest::releaseOverAnItemTriggersItsAction() {
    Fixture f;
    SkinToolStrip strip(f.context());
    setUp(strip);
    QSignalSpy spy(&strip, &SkinToolStrip::actionTriggered);

    QTest::mouseClick(&strip, Qt::LeftButton, {}, QPoint(25, 5));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 7);
    QCOMPARE(strip.hotItem(), -1);

    // Released between the items: nothing.
    QTest::mouseClick(&strip, Qt::LeftButton, {}, QPoint(15, 5));
    QCOMPARE(spy.count(), 1);

    // Without window moving, motion with the button held is no drag.
    send(strip, QEvent::MouseButtonPress, {2, 2}, {102, 102}, Qt::LeftButton);
    send(strip, QEvent::MouseMove, {5, 6}, {105, 106}, Qt::LeftButton);
    send(strip, QEvent::MouseButtonRelease, {5, 6}, {105, 106}, Qt::NoButton);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toInt(), 3);
}

void SkinToolStripTest::dragMovesTheWindowAndSuppressesTheAction() {
    Fixture f;
    QWidget window;
    window.move(200, 150);
    SkinToolStrip strip(f.context(), &window);
    setUp(strip);
    strip.setMovesWindow(true);
    QSignalSpy spy(&strip, &SkinToolStrip::actionTriggered);

    send(strip, QEvent::MouseButtonPress, {2, 2}, {300, 300}, Qt::LeftButton);
    send(strip, QEvent::MouseMove, {2, 2}, {330, 320}, Qt::LeftButton);
    send(strip, QEvent::MouseMove, {2, 2}, {325, 320}, Qt::LeftButton);
    QVERIFY(strip.isDragging());
    QCOMPARE(window.pos(), QPoint(225, 170));
    send(strip, QEvent::MouseButtonRelease, {2, 2}, {325, 320}, Qt::NoButton);
    QCOMPARE(spy.count(), 0);
    QVERIFY(!strip.isDragging());

    // The next plain click works again.
    QTest::mouseClick(&strip, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(spy.count(), 1);
}

void SkinToolStripTest::tipsFollowShowTips() {
    Fixture f;
    QVERIFY(!stringText(TextId::SelectOneColumn).empty());
    SkinToolStrip strip(f.context());
    setUp(strip);

    f.prefs().values().showTips = 0;
    send(strip, QEvent::MouseMove, {5, 5}, {5, 5}, Qt::NoButton);
    QCOMPARE(strip.hotItem(), 0);
    QVERIFY(!strip.hoverTip().isArmed());

    f.prefs().values().showTips = 1;
    send(strip, QEvent::MouseMove, {6, 5}, {6, 5}, Qt::NoButton);
    QVERIFY(strip.hoverTip().isArmed());
    // Pressing hides the pending tip; leaving without a button hides it.
    send(strip, QEvent::MouseButtonPress, {6, 5}, {6, 5}, Qt::LeftButton);
    QVERIFY(!strip.hoverTip().isArmed());
    send(strip, QEvent::MouseButtonRelease, {6, 5}, {6, 5}, Qt::NoButton);
    send(strip, QEvent::MouseMove, {22, 5}, {22, 5}, Qt::NoButton);
    QVERIFY(strip.hoverTip().isArmed());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&strip, &leave);
    QVERIFY(!strip.hoverTip().isArmed());
    QCOMPARE(strip.hotItem(), -1);
}

void SkinToolStripTest::paintsTheBitmapAndTheHotItem() {
    Fixture f;
    SkinToolStrip strip(f.context());
    setUp(strip);
    QCOMPARE(strip.size(), QSize(60, 12));
    strip.setHotItem(1);
    const QImage image = strip.grab().toImage();
    QCOMPARE(image.pixelColor(10, 5), QColor(40, 80, 120));
    QVERIFY(image.pixelColor(25, 5) != QColor(40, 80, 120));
}

SONARA_GUI_TEST(SkinToolStripTest)
#include "SkinToolStripTest.moc"
