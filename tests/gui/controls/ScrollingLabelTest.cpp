#include <QFontMetrics>
#include <QtTest>

#include "gui/controls/ScrollingLabel.h"
#include "gui/skin/SkinEvents.h"
#include "support/SkinWidgetFixture.h"
#include "support/TestRegistry.h"

using namespace sonara;
using sonara::gui::ScrollingLabel;
using sonara::gui::test::SkinWidgetFixture;

class ScrollingLabelTest : public QObject {
    Q_OBJECT
  private slots:
    void scrollTitleModes();
    void scrollingTextRepeatsTheTitleToFillTheLabel();
    void offsetWrapsAfterTheWholeWidth();
    void resizeAndSkinChangeDecideAgain();
};

namespace {

const QString kLong = QStringLiteral("A rather long title that never fits a narrow label at all");

}  // namespace

void ScrollingLabelTest::scrollTitleModes() {
    SkinWidgetFixture f;
    ScrollingLabel label(f.context());
    label.resize(120, 16);

    f.prefs().values().scrollTitle = 0;  // automatic
    label.setText("Hi");
    QVERIFY(!label.isScrolling());
    QVERIFY(!label.timerActive());
    label.setText(kLong);
    QVERIFY(label.isScrolling());
    QVERIFY(label.timerActive());

    f.prefs().values().scrollTitle = 2;  // never
    label.refresh();
    QVERIFY(!label.isScrolling());
    QVERIFY(!label.timerActive());

    f.prefs().values().scrollTitle = 1;  // always, even a short title
    label.setText("Hi");
    QVERIFY(label.isScrolling());
    // ...but an empty title has nothing to scroll.
    label.setText(QString());
    QVERIFY(!label.isScrolling());
}

void ScrollingLabelTest::scrollingTextRepeatsTheTitleToFillTheLabel() {
    SkinWidgetFixture f;
    f.prefs().values().scrollTitle = 1;
    ScrollingLabel label(f.context());
    label.resize(300, 16);
    const QString title = QStringLiteral("Rock & Roll");
    label.setText(title);
    QCOMPARE(label.text(), title);  // "&" is kept literally, not doubled

    const QString unit = title + ScrollingLabel::separator();
    const QString text = label.scrollingText();
    QVERIFY(text.endsWith(ScrollingLabel::separator()));
    QCOMPARE(text.size() % unit.size(), 0);
    const int copies = int(text.size() / unit.size());
    QCOMPARE(text, unit.repeated(copies));

    // Copies are added only while the text is narrower than the label.
    const QFontMetrics metrics(label.labelFont());
    const auto withoutLastSeparator = [&](int n) {
        return metrics.horizontalAdvance(
            unit.repeated(n).chopped(ScrollingLabel::separator().size()));
    };
    QVERIFY(copies > 1);
    QVERIFY(withoutLastSeparator(copies) >= label.width());
    QVERIFY(withoutLastSeparator(copies - 1) < label.width());
    QCOMPARE(label.scrollingWidth(), metrics.horizontalAdvance(text));
}

void ScrollingLabelTest::offsetWrapsAfterTheWholeWidth() {
    SkinWidgetFixture f;
    f.prefs().values().scrollTitle = 1;
    ScrollingLabel label(f.context());
    label.resize(100, 16);
    label.setText("Wrap me");
    QCOMPARE(label.offset(), 0);
    label.tick();
    QCOMPARE(label.offset(), -ScrollingLabel::kStepPixels);

    const int width = label.scrollingWidth();
    const int ticksToWrap = (width + ScrollingLabel::kStepPixels - 1) / ScrollingLabel::kStepPixels;
    for (int i = 1; i < ticksToWrap - 1; ++i) {
        label.tick();
    }
    QVERIFY(label.offset() < 0 && label.offset() > -width);
    label.tick();
    QCOMPARE(label.offset(), 0);

    // A new title starts at the beginning again.
    label.tick();
    label.setText("Another");
    QCOMPARE(label.offset(), 0);
}

void ScrollingLabelTest::resizeAndSkinChangeDecideAgain() {
    SkinWidgetFixture f;
    f.prefs().values().scrollTitle = 0;
    ScrollingLabel label(f.context());
    label.resize(2000, 16);
    label.show();  // a hidden widget gets its resize events only when shown
    label.setText(kLong);
    QVERIFY(!label.isScrolling());
    label.resize(80, 16);
    QVERIFY(label.isScrolling());

    // A skin with a much smaller font lets the title fit again.
    label.resize(QFontMetrics(label.labelFont()).horizontalAdvance(kLong) / 2 + 10, 16);
    QVERIFY(label.isScrolling());
    skin::FontInfo info = f.skin().fontInfo();
    info.staticFont.size = 4;
    f.skin().setFontInfo(info);
    gui::notifySkinChanged(&label);
    QCOMPARE(label.labelFont().pixelSize(), 4);
    QVERIFY(!label.isScrolling());
}

SONARA_GUI_TEST(ScrollingLabelTest)
#include "ScrollingLabelTest.moc"
