#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "core/app/StringTable.h"
#include "core/skin/SkinFiles.h"
#include "gui/skin/HoverTip.h"
#include "gui/skin/SkinCaptionButton.h"
#include "gui/skin/SkinDialog.h"
#include "gui/skin/SkinEvents.h"
#include "support/SkinWidgetFixture.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;
using namespace sonara::gui::test;

namespace {

const QColor kBackground(10, 200, 10);
const QColor kKey(255, 0, 255);
constexpr QSize kCell(20, 10);

// The up cell's left four columns are in the transparent colour.
QImage stripWithHole(int rows) {
    QImage strip = makeStrip(kCell, rows, cellColour);
    QPainter painter(&strip);
    painter.fillRect(QRect(0, 0, 4, strip.height()), kKey);
    return strip;
}

void enter(QWidget* widget) {
    QEnterEvent event(QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                      widget->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(widget, &event);
}

QLabel* shownTipLabel() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && label->isVisible()) {
            return label;
        }
    }
    return nullptr;
}

}  // namespace

class SkinButtonTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<SkinWidgetFixture> fixture_;
    std::unique_ptr<SkinDialog> dialog_;
    SkinButton* button_ = nullptr;

    QColor buttonPixel(QPoint at) {
        return dialog_->grab().toImage().pixelColor(button_->pos() + at);
    }

  private slots:
    void init() {
        fixture_ = std::make_unique<SkinWidgetFixture>();
        skin::FontInfo info;
        info.transparent = Colour::fromRgb(kKey.red(), kKey.green(), kKey.blue());
        info.largeButtonsHaveText = false;
        info.buttonFont = skin::FontSpec{"DejaVu Sans", 9, true};
        fixture_->skin().setFontInfo(info);
        fixture_->skin().setBitmap(skin::kLargeButton, stripWithHole(1));
        fixture_->skin().setBitmap(skin::kDialogBackground, solidImage(QSize(8, 8), kBackground));
        dialog_ = std::make_unique<SkinDialog>(fixture_->context(), nullptr, true);
        dialog_->resize(120, 60);
        button_ = new SkinButton(fixture_->context(), dialog_.get());
        button_->move(10, 10);
        button_->setControlId(42);
        button_->setSkin(skin::kLargeButton, TextId::Default);
    }
    void cleanup() {
        dialog_.reset();
        fixture_.reset();
    }

    void transparentColourShowsTheDialogBehind() {
        QCOMPARE(button_->size(), kCell);
        QCOMPARE(buttonPixel(QPoint(1, 5)), kBackground);
        QCOMPARE(buttonPixel(QPoint(10, 5)), cellColour(skin::kUp, 0));
    }

    void stateColumnsFollowTheButtonState() {
        button_->setMouseOver(true);
        QCOMPARE(buttonPixel(QPoint(10, 5)), cellColour(skin::kMouseOver, 0));
        button_->setDown(true);  // pressed wins over the mouse
        QCOMPARE(buttonPixel(QPoint(10, 5)), cellColour(skin::kDown, 0));
        button_->setDown(false);
        button_->setMouseOver(false);
        button_->setShowsFocus(true);
        QCOMPARE(buttonPixel(QPoint(10, 5)), cellColour(skin::kFocus, 0));
        button_->setEnabled(false);
        button_->setMouseOver(true);
        QCOMPARE(button_->stateColumn(), int(skin::kDisabled));
        QCOMPARE(buttonPixel(QPoint(10, 5)), cellColour(skin::kDisabled, 0));
    }

    void returnClicksAndPressesAreReported() {
        QSignalSpy clicked(button_, &QAbstractButton::clicked);
        QSignalSpy pressed(button_, &SkinButton::pressedWithMouse);
        dialog_->show();
        button_->setFocus();
        QTest::keyClick(button_, Qt::Key_Return);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(pressed.count(), 0);  // only mouse presses are reported
        QVERIFY(dialog_->isVisible());

        button_->setReportPresses(true);
        QTest::mouseClick(button_, Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed.front().front().toInt(), 42);

        // Outside a dialog too, where push buttons leave Return alone.
        QWidget window;
        SkinButton plain(fixture_->context(), &window);
        plain.setSkin(skin::kLargeButton);
        QSignalSpy plainClicked(&plain, &QAbstractButton::clicked);
        QTest::keyClick(&plain, Qt::Key_Enter);
        QCOMPARE(plainClicked.count(), 1);
    }

    void noTipWhenTipsAreOff() {
        fixture_->prefs().values().showTips = 0;
        dialog_->show();
        enter(button_);
        QVERIFY(!button_->hoverTip().isArmed());
        QTest::qWait(HoverTip::kDelayMs + 200);
        QVERIFY(!button_->hoverTip().isShown());
        QCOMPARE(shownTipLabel(), nullptr);
    }

    void tipBesideTheButtonWhenTipsAreOn() {
        fixture_->prefs().values().showTips = 1;
        dialog_->show();
        enter(button_);
        QVERIFY(button_->hoverTip().isArmed());
        QTRY_VERIFY_WITH_TIMEOUT(button_->hoverTip().isShown(), 5000);
        QLabel* tip = shownTipLabel();
        QVERIFY(tip != nullptr);
        QCOMPARE(tip->text(), QString::fromStdString(stringText(TextId::Default)));
        QCOMPARE(tip->pos(), button_->mapToGlobal(QPoint(button_->width() + 5, 0)));

        QTest::mousePress(button_, Qt::LeftButton, {}, QPoint(10, 5));
        QVERIFY(!button_->hoverTip().isShown());
        QTest::mouseRelease(button_, Qt::LeftButton, {}, QPoint(10, 5));
    }

    void newSkinResizesKeepingTheCorner() {
        QSignalSpy resized(button_, &SkinButton::resizedForSkin);
        fixture_->skin().setBitmap(skin::kLargeButton, makeStrip(QSize(30, 16), 1, cellColour));
        notifySkinChanged(dialog_.get());
        QCOMPARE(button_->geometry(), QRect(10, 10, 30, 16));
        QCOMPARE(resized.count(), 1);
        QCOMPARE(resized.front().front().toInt(), 42);
    }

    void captionDrawnOnlyWhenTheStripHasNone() {
        auto* button = new SkinCaptionButton(fixture_->context(), dialog_.get());
        button->setText("OK");
        button->move(40, 10);
        button->setSkin(skin::kLargeButton);
        const auto textPixels = [&] {
            const QImage image = button->grab().toImage();
            const QColor face = cellColour(skin::kUp, 0);
            int count = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 4; x < image.width(); ++x) {
                    count += image.pixelColor(x, y) != face ? 1 : 0;
                }
            }
            return count;
        };
        QVERIFY(button->drawsCaption());
        QVERIFY(textPixels() > 0);

        // With captions in the strip the row is drawn as it is.
        skin::FontInfo info = fixture_->skin().fontInfo();
        info.largeButtonsHaveText = true;
        fixture_->skin().setFontInfo(info);
        fixture_->skin().setBitmap(skin::kLargeButton, stripWithHole(skin::kLargeCaptionRows));
        notifySkinChanged(dialog_.get());
        QVERIFY(!button->drawsCaption());
        QCOMPARE(textPixels(), 0);
    }

    void captionOverAStripWithCaptionsWipesTheLettering() {
        const QColor lettering(0, 0, 255);
        QImage strip = makeStrip(kCell, skin::kLargeCaptionRows, cellColour);
        {
            QPainter painter(&strip);
            for (int column = 0; column < 5; ++column) {
                for (int row = 0; row < skin::kLargeCaptionRows; ++row) {
                    painter.fillRect(column * kCell.width() + 7, row * kCell.height() + 4, 6, 2,
                                     lettering);
                }
            }
        }
        skin::FontInfo info = fixture_->skin().fontInfo();
        info.largeButtonsHaveText = true;
        fixture_->skin().setFontInfo(info);
        fixture_->skin().setBitmap(skin::kLargeButton, strip);
        auto* button = new SkinCaptionButton(fixture_->context(), dialog_.get());
        button->setSkin(skin::kLargeButton, std::nullopt, 3);
        const auto count = [&](const QColor& colour) {
            const QImage image = button->grab().toImage();
            int found = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    found += image.pixelColor(x, y) == colour ? 1 : 0;
                }
            }
            return found;
        };
        QVERIFY(count(lettering) > 0);

        button->setCaptionOverStrip(true);
        QVERIFY(button->drawsCaption());
        QCOMPARE(count(lettering), 0);
        QCOMPARE(count(cellColour(skin::kUp, 3)), kCell.width() * kCell.height());
        button->setText("Go");
        QVERIFY(count(cellColour(skin::kUp, 3)) < kCell.width() * kCell.height());
    }
};

SONARA_GUI_TEST(SkinButtonTest)
#include "SkinButtonTest.moc"
