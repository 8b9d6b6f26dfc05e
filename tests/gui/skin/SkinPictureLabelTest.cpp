#include <QSignalSpy>
#include <QTest>

#include "core/skin/SkinFiles.h"
#include "gui/skin/SkinAnimation.h"
#include "gui/skin/SkinEvents.h"
#include "gui/skin/SkinLabel.h"
#include "gui/skin/SkinPicture.h"
#include "support/SkinWidgetFixture.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;
using namespace sonara::gui::test;

class SkinPictureLabelTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<SkinWidgetFixture> fixture_;

  private slots:
    void init() { fixture_ = std::make_unique<SkinWidgetFixture>(); }
    void cleanup() { fixture_.reset(); }

    void pictureSizesFollowTheMode() {
        fixture_->skin().setBitmap(skin::kLogo, solidImage(QSize(30, 10), Qt::red));
        QWidget parent;
        parent.resize(200, 100);
        parent.show();
        SkinPicture picture(fixture_->context(), &parent);
        picture.resize(50, 50);
        picture.setControlId(7);
        picture.setSkinIndex(skin::kLogo);
        QCOMPARE(picture.size(), QSize(30, 10));  // copy mode takes the bitmap's size

        picture.setMode(SkinPicture::kStretch);
        picture.resize(60, 60);
        QCOMPARE(picture.grab().toImage().pixelColor(55, 55), QColor(Qt::red));

        picture.setMode(SkinPicture::kCoverParent);
        QCOMPARE(picture.geometry(), parent.rect());
        parent.resize(300, 120);
        QCOMPARE(picture.geometry(), parent.rect());

        // Fit keeps the aspect ratio on black: a 3:1 picture in a square.
        picture.setMode(SkinPicture::kFit);
        picture.setGeometry(0, 0, 90, 90);
        const QImage fitted = picture.grab().toImage();
        QCOMPARE(fitted.pixelColor(45, 5), QColor(Qt::black));
        QCOMPARE(fitted.pixelColor(45, 45), QColor(Qt::red));

        picture.setMode(99);  // unknown: nothing drawn, nothing resized
        QCOMPARE(picture.size(), QSize(90, 90));

        QSignalSpy released(&picture, &SkinPicture::released);
        QSignalSpy resized(&picture, &SkinPicture::resizedForSkin);
        QTest::mouseClick(&picture, Qt::LeftButton);
        QCOMPARE(released.count(), 1);
        QCOMPARE(released.front().front().toInt(), 7);
        picture.setMode(SkinPicture::kTransparent);
        fixture_->skin().setBitmap(skin::kLogo, solidImage(QSize(12, 4), Qt::red));
        notifySkinChanged(&parent);
        QCOMPARE(picture.size(), QSize(12, 4));
        QCOMPARE(resized.count(), 1);
    }

    void labelModesAndColours() {
        skin::FontInfo info;
        info.staticFont = skin::FontSpec{"DejaVu Sans", 14, false};
        info.staticEnabled = Colour::fromRgb(255, 255, 0);
        info.staticDisabled = Colour::fromRgb(1, 206, 20);
        fixture_->skin().setFontInfo(info);

        SkinLabel label(fixture_->context(), "one two three four five six seven eight");
        label.resize(80, 10);
        label.setMode(SkinLabel::kGrowHeight);
        QVERIFY(label.height() > 3 * 14);  // wrapped onto several lines

        label.setMode(SkinLabel::kShrinkToFit);
        label.setText("one two three four");
        label.resize(100, 30);
        QVERIFY(label.textFont().pixelSize() < 14);
        QVERIFY(QFontMetrics(label.textFont()).horizontalAdvance(label.text()) <= 100);

        label.setMode(SkinLabel::kRule);
        QCOMPARE(label.height(), 2);
        QCOMPARE(label.grab().toImage().pixelColor(10, 1), QColor(255, 255, 0));
        label.setEnabled(false);
        QCOMPARE(label.grab().toImage().pixelColor(10, 1), QColor(1, 206, 20));

        label.setControlId(3);
        label.setEnabled(true);
        QSignalSpy released(&label, &SkinLabel::released);
        QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 1));
        QCOMPARE(released.count(), 1);
        QCOMPARE(released.front().front().toInt(), 3);
    }

    void animationStepsRoundWithWhiteSeeThrough() {
        SkinAnimation animation;
        QPalette palette = animation.palette();
        palette.setColor(QPalette::Button, QColor(1, 2, 3));
        animation.setPalette(palette);
        QImage first = solidImage(QSize(6, 4), Qt::white);
        first.setPixelColor(0, 0, Qt::red);
        animation.setFrames({first, solidImage(QSize(6, 4), Qt::blue)});
        QCOMPARE(animation.size(), QSize(6, 4));
        QImage shown = animation.grab().toImage();
        QCOMPARE(shown.pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(3, 3), QColor(1, 2, 3));
        animation.step();
        QCOMPARE(animation.currentFrame(), 1);
        QCOMPARE(animation.grab().toImage().pixelColor(3, 3), QColor(Qt::blue));
        animation.step();
        QCOMPARE(animation.currentFrame(), 0);
    }
};

SONARA_GUI_TEST(SkinPictureLabelTest)
#include "SkinPictureLabelTest.moc"
