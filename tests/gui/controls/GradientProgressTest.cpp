#include <QImage>
#include <QtTest>

#include "gui/controls/GradientProgress.h"
#include "support/TestRegistry.h"

using sonara::gui::GradientProgress;

class GradientProgressTest : public QObject {
    Q_OBJECT
  private slots:
    void rampRunsFromStartToEndAcrossTheWholeWidth();
    void endsOfTheRangeAreBlack();
    void percentageCountsFromTheMinimum();
};

namespace {

QImage render(GradientProgress& bar) {
    QImage image(bar.size(), QImage::Format_RGB32);
    image.fill(Qt::green);
    bar.render(&image);
    return image;
}

}  // namespace

void GradientProgressTest::rampRunsFromStartToEndAcrossTheWholeWidth() {
    GradientProgress bar;
    bar.resize(255, 10);
    bar.setBackgroundColour(QColor(10, 20, 30));
    bar.setPosition(99);
    QImage image = render(bar);
    QCOMPARE(image.pixelColor(0, 5), QColor(255, 0, 0));
    // 255 bands, one pixel each: the ramp is laid over the full width, so
    // the last painted pixel is almost the end colour.
    const QColor last = image.pixelColor(251, 5);
    QVERIFY(last.blue() > 240 && last.red() < 15);
    QCOMPARE(image.pixelColor(254, 5), QColor(10, 20, 30));

    // Halfway, the bar stops at the middle at the ramp's middle colour.
    bar.setPosition(50);
    image = render(bar);
    const QColor middle = image.pixelColor(126, 5);
    QVERIFY(qAbs(middle.red() - 128) <= 2 && qAbs(middle.blue() - 127) <= 2);
    QCOMPARE(image.pixelColor(130, 5), QColor(10, 20, 30));
}

void GradientProgressTest::endsOfTheRangeAreBlack() {
    GradientProgress bar;
    bar.resize(100, 10);
    bar.setPosition(100);
    QImage image = render(bar);
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
    QCOMPARE(image.pixelColor(99, 9), QColor(Qt::black));
    bar.setPosition(0);
    image = render(bar);
    QCOMPARE(image.pixelColor(50, 5), QColor(Qt::black));
}

void GradientProgressTest::percentageCountsFromTheMinimum() {
    GradientProgress bar;
    bar.setRange(50, 150);
    bar.setPosition(75);
    QCOMPARE(bar.percentageText(), QStringLiteral("25%"));
    bar.setPosition(500);
    QCOMPARE(bar.position(), 150);
    bar.setRange(0, 100);
    bar.setPosition(95);
    bar.stepIt();
    QCOMPARE(bar.position(), 0);
}

SONARA_GUI_TEST(GradientProgressTest)
#include "GradientProgressTest.moc"
