// The skinned scroll bar: sizes from the bitmaps, clicks where it draws.
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "core/settings/PreferenceStore.h"
#include "core/skin/SkinFiles.h"
#include "gui/controls/SkinListCtrl.h"
#include "gui/controls/SkinScrollBar.h"
#include "gui/skin/SkinEvents.h"
#include "gui/skin/SkinRecord.h"

using namespace sonara;
using namespace sonara::gui;

namespace {
QImage filled(int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}
}  // namespace

class SkinScrollBarTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;
    std::unique_ptr<PreferenceStore> prefs_;
    SkinRecord skin_;

    void setScrollBitmaps(bool on) {
        skin_.setBitmap(skin::kHScrollBackground, on ? filled(50, 14, Qt::gray) : QImage());
        skin_.setBitmap(skin::kHScrollButtons, on ? filled(36, 14, Qt::red) : QImage());
        skin_.setBitmap(skin::kVScrollBackground, on ? filled(15, 50, Qt::gray) : QImage());
        skin_.setBitmap(skin::kVScrollButtons, on ? filled(15, 39, Qt::red) : QImage());
    }

  private slots:
    void initTestCase() {
        qputenv("HOME", home_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home_.filePath("config").toUtf8());
        qputenv("XDG_RUNTIME_DIR", home_.path().toUtf8());
        prefs_ = std::make_unique<PreferenceStore>(home_.filePath("Sonara.ini").toStdString(),
                                                   home_.path().toStdString());
    }

    void standardWithoutAllFourBitmaps() {
        setScrollBitmaps(true);
        skin_.setBitmap(skin::kVScrollButtons, {});
        SkinScrollBar bar(Qt::Horizontal, SkinContext{skin_, *prefs_});
        QScrollBar plain(Qt::Horizontal);
        QVERIFY(!bar.skinned());
        QCOMPARE(bar.sizeHint(), plain.sizeHint());
    }

    void sizesFromTheBitmaps() {
        setScrollBitmaps(true);
        SkinScrollBar across(Qt::Horizontal, SkinContext{skin_, *prefs_});
        SkinScrollBar down(Qt::Vertical, SkinContext{skin_, *prefs_});
        QCOMPARE(across.thickness(), 14);
        QCOMPARE(across.arrowLength(), 12);
        QCOMPARE(across.sizeHint().height(), 14);
        QCOMPARE(down.thickness(), 15);
        QCOMPARE(down.arrowLength(), 13);
        QCOMPARE(down.sizeHint().width(), 15);
    }

    void clicksHitTheSkinnedArrowsAndPages() {
        setScrollBitmaps(true);
        SkinScrollBar bar(Qt::Horizontal, SkinContext{skin_, *prefs_});
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
        SkinListCtrl list(SkinContext{skin_, *prefs_});
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

QTEST_MAIN(SkinScrollBarTest)
#include "SkinScrollBarTest.moc"
