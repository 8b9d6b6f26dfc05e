// The on-screen keyboard: its keys, where they are, and what a release sends.
#include <QSignalSpy>
#include <QtTest>

#include "core/skin/SkinFiles.h"
#include "gui/controls/SkinKeyboard.h"
#include "support/SkinWidgetFixture.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;
using sonara::gui::test::SkinWidgetFixture;
using sonara::gui::test::solidImage;

class SkinKeyboardTest : public QObject {
    Q_OBJECT
    SkinWidgetFixture fixture_;

  private slots:
    void keyCharacters() {
        QCOMPARE(SkinKeyboard::keyChar(0), QChar('A'));
        QCOMPARE(SkinKeyboard::keyChar(25), QChar('Z'));
        QCOMPARE(SkinKeyboard::keyChar(26), QChar('0'));
        QCOMPARE(SkinKeyboard::keyChar(35), QChar('9'));
        QCOMPARE(SkinKeyboard::keyChar(36), QChar('['));
        QCOMPARE(SkinKeyboard::keyChar(37), QChar(' '));
        QCOMPARE(SkinKeyboard::keyChar(38), QChar('*'));
        QVERIFY(SkinKeyboard::keyChar(39).isNull());
    }

    void everyKeyIsFoundAtItsOwnPlace_data() {
        QTest::addColumn<bool>("picture");
        QTest::newRow("built-in grid") << false;
        QTest::newRow("on a keyboard picture") << true;
    }
    void everyKeyIsFoundAtItsOwnPlace() {
        QFETCH(bool, picture);
        const QImage background = solidImage({500, 170}, Qt::darkGray);
        fixture_.skin().setBitmap(skin::kKeyboardBackground, picture ? background : QImage());
        SkinKeyboard keyboard(fixture_.context());
        keyboard.resize(keyboard.sizeHint());
        for (int key = 0; key < SkinKeyboard::kKeyCount; ++key) {
            const QRect rect = keyboard.keyRect(key);
            QVERIFY(!rect.isEmpty());
            QVERIFY(keyboard.rect().contains(rect));
            QCOMPARE(keyboard.keyAt(rect.center()), key);
        }
        if (picture) {
            QCOMPARE(keyboard.sizeHint(), background.size());
        }
        fixture_.skin().setBitmap(skin::kKeyboardBackground, {});
    }

    void releaseOverThePressedKeySendsItsCharacter() {
        SkinKeyboard keyboard(fixture_.context());
        keyboard.resize(keyboard.sizeHint());
        QSignalSpy left(&keyboard, &SkinKeyboard::keyPressedLeft);
        QSignalSpy right(&keyboard, &SkinKeyboard::keyPressedRight);

        const QPoint a = keyboard.keyRect(0).center();
        QTest::mousePress(&keyboard, Qt::LeftButton, {}, a);
        QCOMPARE(keyboard.pressedKey(), 0);
        QTest::mouseRelease(&keyboard, Qt::LeftButton, {}, a);
        QCOMPARE(left.count(), 1);
        QCOMPARE(left.at(0).at(0).value<QChar>(), QChar('A'));
        QCOMPARE(right.count(), 0);
        QCOMPARE(keyboard.pressedKey(), -1);

        const QPoint space = keyboard.keyRect(37).center();
        QTest::mousePress(&keyboard, Qt::RightButton, {}, space);
        QTest::mouseRelease(&keyboard, Qt::RightButton, {}, space);
        QCOMPARE(right.count(), 1);
        QCOMPARE(right.at(0).at(0).value<QChar>(), QChar(' '));

        // Released over another key or outside: nothing, and unmarked.
        QTest::mousePress(&keyboard, Qt::LeftButton, {}, a);
        QTest::mouseRelease(&keyboard, Qt::LeftButton, {}, keyboard.keyRect(1).center());
        QTest::mousePress(&keyboard, Qt::LeftButton, {}, keyboard.keyRect(38).center());
        QTest::mouseRelease(&keyboard, Qt::LeftButton, {}, QPoint(-5, -5));
        QCOMPARE(left.count(), 1);
        QCOMPARE(keyboard.pressedKey(), -1);
    }

    void hotKeyFollowsTheMouse() {
        SkinKeyboard keyboard(fixture_.context());
        keyboard.resize(keyboard.sizeHint());
        keyboard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&keyboard));
        QTest::mouseMove(&keyboard, keyboard.keyRect(5).center());
        QCOMPARE(keyboard.hotKey(), 5);
        QTest::mouseMove(&keyboard, QPoint(keyboard.width() - 1, keyboard.height() - 1));
        QCOMPARE(keyboard.hotKey(), -1);
    }
};

SONARA_GUI_TEST(SkinKeyboardTest)
#include "SkinKeyboardTest.moc"
