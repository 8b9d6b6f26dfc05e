// The bitmap slider: drag limits, notices while dragging, broken ranges, tips.
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "gui/controls/SkinSlider.h"
#include "support/SkinWidgetFixture.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;
using sonara::gui::test::SkinWidgetFixture;
using sonara::gui::test::solidImage;

namespace {

void send(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButtons held) {
    const QPointF local(pos);
    QMouseEvent event(type, local, widget->mapToGlobal(local), Qt::LeftButton, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}
void press(QWidget* w, QPoint p) {
    send(w, QEvent::MouseButtonPress, p, Qt::LeftButton);
}
void move(QWidget* w, QPoint p) {
    send(w, QEvent::MouseMove, p, Qt::LeftButton);
}
void release(QWidget* w, QPoint p) {
    send(w, QEvent::MouseButtonRelease, p, Qt::NoButton);
}

}  // namespace

class SkinSliderTest : public QObject {
    Q_OBJECT
    SkinWidgetFixture fixture_;
    std::unique_ptr<SkinSlider> slider_;

  private slots:
    void init() {
        // A 100-pixel track and one 10 × 10 thumb frame: at 110 pixels wide
        // the track length is 100, so with 0..99 a value is its pixel.
        const QImage bitmap = solidImage({110, 10}, Qt::gray);
        slider_ = std::make_unique<SkinSlider>(fixture_.context());
        slider_->setBitmap(bitmap, 1, 10);
        slider_->setFixedSize(110, 10);
        slider_->setRange(0, 99);
        slider_->setId(7);
    }

    void thumbFollowsValue() {
        QCOMPARE(slider_->trackLength(), 100);
        slider_->setValue(40);
        QCOMPARE(slider_->thumbRect(), QRect(40, 0, 10, 10));
        slider_->setValue(500);
        QCOMPARE(slider_->value(), 99);
        slider_->setRange(0, 199);  // 200 values over 100 pixels
        slider_->setValue(100);
        QCOMPARE(slider_->thumbRect().left(), 50);
    }

    void dragBeyondTheEndStaysAtMaximum() {
        press(slider_.get(), {5, 5});
        QVERIFY(slider_->dragging());
        move(slider_.get(), {500, 5});
        QCOMPARE(slider_->value(), 99);
        release(slider_.get(), {900, 5});
        QCOMPARE(slider_->value(), 99);
        QVERIFY(slider_->thumbRect().right() < slider_->width());

        press(slider_.get(), {slider_->thumbRect().center().x(), 5});
        release(slider_.get(), {-300, 5});
        QCOMPARE(slider_->value(), 0);
    }

    void grabOffsetKeepsThumbUnderTheMouse() {
        slider_->setValue(30);
        press(slider_.get(), {34, 5});  // 4 pixels into the thumb
        move(slider_.get(), {54, 5});
        QCOMPARE(slider_->value(), 50);
        release(slider_.get(), {54, 5});
    }

    void setValueIgnoredWhileDragging() {
        press(slider_.get(), {5, 5});
        slider_->setValue(80);
        QCOMPARE(slider_->value(), 0);
        release(slider_.get(), {5, 5});
        slider_->setValue(80);
        QCOMPARE(slider_->value(), 80);
    }

    void noticesPerMoveAndOnRelease() {
        QSignalSpy spy(slider_.get(), &SkinSlider::valueNotified);
        slider_->setNotifyWhileDragging(true);
        press(slider_.get(), {5, 5});
        QCOMPARE(spy.count(), 0);
        move(slider_.get(), {20, 5});
        move(slider_.get(), {30, 5});
        move(slider_.get(), {40, 5});
        QCOMPARE(spy.count(), 3);
        release(slider_.get(), {40, 5});
        QCOMPARE(spy.count(), 4);
        QCOMPARE(spy.last().at(0).toInt(), 7);

        spy.clear();
        slider_->setNotifyWhileDragging(false);
        press(slider_.get(), {5, 5});
        move(slider_.get(), {20, 5});
        move(slider_.get(), {30, 5});
        release(slider_.get(), {30, 5});
        QCOMPARE(spy.count(), 1);
    }

    void emptyOrInvertedRangeIgnoresDrags() {
        QSignalSpy spy(slider_.get(), &SkinSlider::valueNotified);
        for (auto [low, high] : {std::pair{50, 10}, std::pair{20, 20}}) {
            slider_->setRange(low, high);
            QCOMPARE(slider_->thumbRect().left(), 0);
            press(slider_.get(), {60, 5});
            QVERIFY(!slider_->dragging());
            move(slider_.get(), {80, 5});
            release(slider_.get(), {80, 5});
            QCOMPARE(slider_->thumbRect().left(), 0);
        }
        QCOMPARE(spy.count(), 0);
    }

    void verticalSliderMeasuresDown() {
        const QImage bitmap = solidImage({10, 60}, Qt::gray);
        slider_->setOrientation(Qt::Vertical);
        slider_->setBitmap(bitmap, 2, 10);  // 40-pixel track, two frames
        slider_->setFixedSize(10, 50);
        slider_->setRange(0, 39);
        press(slider_.get(), {5, 2});
        move(slider_.get(), {5, 22});
        release(slider_.get(), {5, 22});
        QCOMPARE(slider_->value(), 20);
    }

    void tipTexts() {
        slider_->setRange(0, 200);
        slider_->setValue(50);
        slider_->setTipMode(SkinSlider::kTipPercent);
        QCOMPARE(slider_->tipText(), QString("25%"));
        slider_->setRange(0, 3600);
        slider_->setValue(75);
        slider_->setTipMode(SkinSlider::kTipTime);
        QCOMPARE(slider_->tipText(), QString("01:15"));
        slider_->setTipMode(5);
        QVERIFY(slider_->tipText().isEmpty());
    }

    void transparencyLeavesTransColourUndrawn() {
        skin::FontInfo info = fixture_.skin().fontInfo();
        info.sliderTransparency = true;
        info.sliderTransColour = Colour::fromRgb(64, 123, 54);
        fixture_.skin().setFontInfo(info);
        const QImage bitmap = solidImage({110, 10}, QColor(64, 123, 54));
        slider_->setBitmap(bitmap, 1, 10);
        QImage shot(slider_->size(), QImage::Format_ARGB32);
        shot.fill(Qt::blue);
        slider_->render(&shot, {}, {}, QWidget::DrawChildren);
        QCOMPARE(shot.pixelColor(50, 5), QColor(Qt::blue));
        fixture_.skin().setFontInfo(skin::FontInfo{});
    }
};

SONARA_GUI_TEST(SkinSliderTest)
#include "SkinSliderTest.moc"
