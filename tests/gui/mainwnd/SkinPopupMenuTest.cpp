#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include "core/mainwnd/MenuPreparation.h"
#include "core/skin/SkinFiles.h"
#include "gui/mainwnd/SkinPopupMenu.h"
#include "support/SkinWidgetFixture.h"
#include "support/TestRegistry.h"

using namespace sonara;
using sonara::gui::SkinPopupMenu;

class SkinPopupMenuTest : public QObject {
    Q_OBJECT
  private slots:
    void mainMenuKeepsTheViewsCheckMarkAndItsRemovals();
    void itemsAreMeasuredInTheMenuFont();
    void pickingAnItemGivesItsCommand();
    void paintsBackgroundDotAndSeparatorFromTheSkin();
    void trayMenuIsAPlainMenu();
};

namespace {

const QColor kBackground(30, 60, 90);
const QColor kText(250, 240, 10);
const QColor kHighlight(10, 250, 240);

struct Fixture : gui::test::SkinWidgetFixture {
    Fixture() {
        skin().setBitmap(skin::kMenuBackground, gui::test::solidImage(QSize(8, 8), kBackground));
        skin::FontInfo info = skin().fontInfo();
        info.menuEnabled = Colour::fromRgb(kText.red(), kText.green(), kText.blue());
        info.menuDisabled =
            Colour::fromRgb(kHighlight.red(), kHighlight.green(), kHighlight.blue());
        info.menuFont = skin::FontSpec{"DejaVu Sans", 14, false};
        skin().setFontInfo(info);
    }
};

QMenu* subMenu(QMenu& menu, const QString& title) {
    for (QAction* action : menu.actions()) {
        if (action->menu() != nullptr && action->text() == title) {
            return action->menu();
        }
    }
    return nullptr;
}

QStringList texts(const QMenu& menu) {
    QStringList result;
    for (const QAction* action : menu.actions()) {
        result << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return result;
}

}  // namespace

void SkinPopupMenuTest::mainMenuKeepsTheViewsCheckMarkAndItsRemovals() {
    Fixture f;
    const auto menu =
        SkinPopupMenu::build(f.context(), prepareMenu(MenuId::Main, {ViewMode::Toolbar, true, {}}));
    QMenu* views = subMenu(*menu, "Views");
    QVERIFY(views != nullptr);
    QCOMPARE(texts(*views), (QStringList{"Normal", "Playlist", "Player", "Bar", "Party"}));
    for (const QAction* action : views->actions()) {
        QCOMPARE(action->isChecked(), action->text() == "Bar");
    }

    const auto external = SkinPopupMenu::build(
        f.context(), prepareMenu(MenuId::Main, {ViewMode::Library, false, {}}));
    QCOMPARE(texts(*subMenu(*external, "Views")), (QStringList{"Normal", "Playlist"}));
    // Separators stay where the prepared menu has them, none merged away.
    const Menu prepared = prepareMenu(MenuId::Main, {});
    const auto separators = std::count_if(prepared.items.begin(), prepared.items.end(),
                                          [](const MenuItem& item) { return item.isSeparator(); });
    QCOMPARE(texts(*menu).count("-"), int(separators));
}

void SkinPopupMenuTest::itemsAreMeasuredInTheMenuFont() {
    Fixture f;
    const auto menu = SkinPopupMenu::build(f.context(), prepareMenu(MenuId::LibraryPopup, {}));
    menu->ensurePolished();
    const QFontMetrics metrics(menu->font());
    QCOMPARE(menu->font().pixelSize(), 14);
    int widest = 0;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            widest = std::max(widest, metrics.horizontalAdvance(action->text()));
        }
    }
    bool sawSeparator = false;
    for (QAction* action : menu->actions()) {
        const QRect box = menu->actionGeometry(action);
        if (action->isSeparator()) {
            sawSeparator = true;
            QCOMPARE(box.height(), 8);
        } else {
            QCOMPARE(box.height(), metrics.height());
        }
        // Every item is as wide as the widest text plus its 10-pixel margin.
        QCOMPARE(box.width(), widest + 10);
    }
    QVERIFY(sawSeparator);
}

void SkinPopupMenuTest::pickingAnItemGivesItsCommand() {
    Fixture f;
    QPushButton button;
    std::vector<Command> picked;
    const Menu main = prepareMenu(MenuId::Main, {});
    QVERIFY(main.disableMenuButton);
    QPointer<QMenu> menu = SkinPopupMenu::popup(
        f.context(), main, QPoint(100, 100), [&](Command c) { picked.push_back(c); }, &button);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QVERIFY(!button.isEnabled());

    // Clicking a top-level item.
    QAction* top100 = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text() == "Top 100...") {
            top100 = action;
        }
    }
    QVERIFY(top100 != nullptr);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(top100).center());
    QTRY_VERIFY(menu.isNull());
    QCOMPARE(picked, (std::vector<Command>{Command::Top100}));
    QVERIFY(button.isEnabled());

    // An item of a sub-menu reaches the same callback.
    menu = SkinPopupMenu::popup(f.context(), main, QPoint(100, 100),
                                [&](Command c) { picked.push_back(c); });
    subMenu(*menu, "Views")->actions().at(2)->trigger();
    QCOMPARE(picked.back(), Command::ViewPlayer);
    menu->close();
    QTRY_VERIFY(menu.isNull());

    QVERIFY(!SkinPopupMenu::commandOf(nullptr));
}

void SkinPopupMenuTest::paintsBackgroundDotAndSeparatorFromTheSkin() {
    Fixture f;
    const auto menu =
        SkinPopupMenu::build(f.context(), prepareMenu(MenuId::Main, {ViewMode::Player, true, {}}));
    QMenu* views = subMenu(*menu, "Views");
    views->ensurePolished();
    views->adjustSize();
    const QImage viewsImage = views->grab().toImage();
    const QRect player = views->actionGeometry(views->actions().at(2));
    // The dot sits in the first 10 pixels, in the text colour.
    QCOMPARE(viewsImage.pixelColor(player.left() + 5, player.center().y()), kText);
    const QRect normal = views->actionGeometry(views->actions().at(0));
    QCOMPARE(viewsImage.pixelColor(normal.left() + 5, normal.center().y()), kBackground);
    QCOMPARE(viewsImage.pixelColor(normal.right() - 1, normal.top() + 1), kBackground);

    menu->adjustSize();
    const QImage mainImage = menu->grab().toImage();
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            const QRect bar = menu->actionGeometry(action);
            QCOMPARE(mainImage.pixelColor(bar.center().x(), bar.top() + 3), kHighlight);
            QCOMPARE(mainImage.pixelColor(bar.center().x(), bar.top() + 1), kBackground);
            break;
        }
    }
}

void SkinPopupMenuTest::trayMenuIsAPlainMenu() {
    Fixture f;
    const auto menu = SkinPopupMenu::build(f.context(), prepareMenu(MenuId::Tray, {}));
    QVERIFY(menu->style() == QApplication::style());
    QCOMPARE(menu->actions().size(), 10);
    QCOMPARE(SkinPopupMenu::commandOf(menu->actions().at(4)), Command::TrayPlay);
}

SONARA_GUI_TEST(SkinPopupMenuTest)
#include "SkinPopupMenuTest.moc"
