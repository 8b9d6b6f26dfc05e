// The skinned scroll bar: sizes from the bitmaps, clicks where it draws.
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyle>
#include <QtTest>

#include "core/skin/SkinFiles.h"
#include "gui/controls/SkinListCtrl.h"
#include "gui/controls/SkinScrollBar.h"
#include "gui/skin/SkinEvents.h"
#include "support/SkinWidgetFixture.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;
using sonara::gui::test::SkinWidgetFixture;
using sonara::gui::test::solidImage;

class SkinScrollBarTest : public QObject {
    Q_OBJECT
    SkinWidgetFixture fixture_;

    void setScrollBitmaps(bool on) {
        SkinRecord& record = fixture_.skin();
        record.setBitmap(skin::kHScrollBackground, on ? solidImage({50, 14}, Qt::gray) : QImage());
        record.setBitmap(skin::kHScrollButtons, on ? solidImage({36, 14}, Qt::red) : QImage());
        record.setBitmap(skin::kVScrollBackground, on ? solidImage({15, 50}, Qt::gray) : QImage());
        record.setBitmap(skin::kVScrollButtons, on ? solidImage({15, 39}, Qt::red) : QImage());
    }

  private slots:
    void standardWithoutAllFourBitmaps() {
        setScrollBitmaps(true);
        fixture_.skin().setBitmap(skin::kVScrollButtons, {});
        SkinScrollBar bar(Qt::Horizontal, fixture_.context());
        QScrollBar plain(Qt::Horizontal);
        QVERIFY(!bar.skinned());
        QCOMPARE(bar.sizeHint(), plain.sizeHint());
    }

    void sizesFromTheBitmaps() {
        setScrollBitmaps(true);
        SkinScrollBar across(Qt::Horizontal, fixture_.context());
        SkinScrollBar down(Qt::Vertical, fixture_.context());
        QCOMPARE(across.thickness(), 14);
        QCOMPARE(across.arrowLength(), 12);
        QCOMPARE(across.sizeHint().height(), 14);
        QCOMPARE(down.thickness(), 15);
        QCOMPARE(down.arrowLength(), 13);
        QCOMPARE(down.sizeHint().width(), 15);
    }

    void clicksHitTheSkinnedArrowsAndPages() {
        setScrollBitmaps(true);
        SkinScrollBar bar(Qt::Horizontal, fixture_.context());
        bar.setRange(0, 100);
        bar.setPageStep(10);
        bar.resize(200, 14);
        // Inside the skinned right arrow (the last 12 pixels).
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(193, 7));
        QCOMPARE(bar.value(), 1);
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(5, 7));
        QCOMPARE(bar.value(), 0);
        // Right of the thumb: a page.
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(150, 7));
        QCOMPARE(bar.value(), 10);
        const QRect thumb = bar.style()->subControlRect(QStyle::CC_ScrollBar, nullptr,
                                                        QStyle::SC_ScrollBarSlider, &bar);
        QVERIFY(thumb.left() >= 12 && thumb.right() < 188);
        QVERIFY(thumb.width() >= 12);
    }

    void listTakesSkinnedBarsAfterASkinChange() {
        setScrollBitmaps(false);
        QStandardItemModel model(200, 1);
        SkinListCtrl list(fixture_.context());
        list.setModel(&model);
        list.resize(200, 150);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        setScrollBitmaps(true);
        notifySkinChanged(&list);
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
        QCOMPARE(list.verticalScrollBar()->width(), 15);
    }
};

SONARA_GUI_TEST(SkinScrollBarTest)
#include "SkinScrollBarTest.moc"
