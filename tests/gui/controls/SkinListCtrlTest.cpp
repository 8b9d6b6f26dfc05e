// The skinned report list: big models, row drawing, the transparent
// background after scrolling, the saved column layout and the Delete key.
#include <QAbstractTableModel>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include "core/skin/SkinFiles.h"
#include "gui/controls/SkinListCtrl.h"
#include "gui/controls/SkinListDelegate.h"
#include "gui/controls/SkinScrollBar.h"
#include "support/SkinWidgetFixture.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;
using sonara::gui::test::SkinWidgetFixture;

namespace {

// Rows made on request; counts how often it is asked.
class CountingModel : public QAbstractTableModel {
  public:
    CountingModel(int rows, QStringList headers, bool blank = false)
        : rows_(rows), headers_(std::move(headers)), blank_(blank) {}
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : rows_;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(headers_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        ++calls;
        if (role == Qt::DisplayRole && !blank_) {
            return QString("row %1 col %2").arg(index.row()).arg(index.column());
        }
        if (role == Qt::ToolTipRole) {
            return QString("tip %1").arg(index.row());
        }
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
            return headers_.value(section);
        }
        return {};
    }
    mutable qint64 calls = 0;

  private:
    int rows_;
    QStringList headers_;
    bool blank_;
};

// A picture whose every pixel tells where in the picture it is.
QImage positionPicture() {
    QImage image(13, 11, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x * 19, y * 31, 100));
        }
    }
    return image;
}

}  // namespace

class SkinListCtrlTest : public QObject {
    Q_OBJECT
    SkinWidgetFixture fixture_;

  private slots:
    void init() { fixture_.skin().setFontInfo(skin::FontInfo{}); }

    void hundredThousandRowsAskOnlyForWhatShows() {
        CountingModel model(100000, {"Artist", "Title"});
        SkinListCtrl list(fixture_.context());
        list.setModel(&model);
        list.resize(400, 300);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QVERIFY(!list.grab().isNull());
        list.scrollToBottom();
        QVERIFY(!list.grab().isNull());
        QCOMPARE(list.indexAt(QPoint(5, list.viewport()->height() - 2)).row(), 99999);
        // Two screenfuls of cells with a few roles each, not 100,000 rows.
        QVERIFY2(model.calls < 5000, qPrintable(QString::number(model.calls)));
        QCOMPARE(list.visualRect(model.index(5, 0)).height(), list.rowHeight());
        QCOMPARE(list.rowHeight(), SkinListDelegate::rowHeight(list.font()));
        QVERIFY(qobject_cast<SkinScrollBar*>(list.verticalScrollBar()) != nullptr);
    }

    void rowsInListOrHighlightColours() {
        skin::FontInfo info;
        info.listBackground = Colour::fromRgb(10, 20, 30);
        fixture_.skin().setFontInfo(info);
        CountingModel model(10, {"A"}, true);
        SkinListCtrl list(fixture_.context());
        list.setModel(&model);
        list.resize(200, 200);
        list.selectionModel()->select(model.index(1, 0), QItemSelectionModel::Select);
        const QImage shot = list.viewport()->grab().toImage();
        const int h = list.rowHeight();
        QCOMPARE(shot.pixelColor(50, h / 2), QColor(10, 20, 30));
        QCOMPARE(shot.pixelColor(50, h + h / 2).rgb(),
                 list.palette().color(QPalette::Inactive, QPalette::Highlight).rgb());
        // Below the last row the list colour too.
        QCOMPARE(shot.pixelColor(50, shot.height() - 2), QColor(10, 20, 30));
    }

    void transparentBackgroundStaysAlignedWhenScrolled() {
        skin::FontInfo info;
        info.listTransparent = true;
        fixture_.skin().setFontInfo(info);
        const QImage picture = positionPicture();
        fixture_.skin().setBitmap(skin::kDialogBackground, picture);

        QWidget dialog;
        dialog.resize(300, 260);
        CountingModel model(500, {"A"}, true);
        auto* list = new SkinListCtrl(fixture_.context(), &dialog);
        list->setModel(&model);
        list->setGeometry(11, 17, 200, 150);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCoreApplication::processEvents();
        // A scroll of a few rows moves drawn pixels, by a distance that is
        // no multiple of the picture's height.
        QVERIFY(3 * list->rowHeight() % picture.height() != 0);
        list->verticalScrollBar()->setValue(3);
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }

        // What the window shows now, scrolled pixels included (not a fresh
        // render of the whole list).
        const QImage shown = dialog.screen()->grabWindow(dialog.winId()).toImage();
        QVERIFY(!shown.isNull());
        const qreal ratio = shown.devicePixelRatio();
        QWidget* viewport = list->viewport();
        int checked = 0;
        for (int y = 2; y < viewport->height() - 2; y += 9) {
            for (int x = 2; x < viewport->width() - 2; x += 11) {
                const QPoint at = viewport->mapTo(&dialog, QPoint(x, y));
                const QRgb expected = picture.pixel(at.x() % 13, at.y() % 11);
                const QRgb actual = shown.pixel(int(at.x() * ratio), int(at.y() * ratio));
                QVERIFY2(actual == expected, qPrintable(QString("at %1,%2").arg(x).arg(y)));
                ++checked;
            }
        }
        QVERIFY(checked > 100);
        fixture_.skin().setBitmap(skin::kDialogBackground, {});
    }

    void layoutForOtherColumnsIgnoredOnceThenSaved() {
        CountingModel three(1, {"Artist", "Album", "Title"});
        CountingModel four(1, {"Artist", "Album", "Title", "Length"});
        {
            SkinListCtrl list(fixture_.context());
            list.setModel(&three);
            list.loadLayout("Library");
            list.header()->resizeSection(0, 123);
            list.header()->moveSection(2, 0);  // Title, Artist, Album
        }                                      // saved here
        {
            SkinListCtrl list(fixture_.context());
            list.setModel(&three);
            list.loadLayout("Library");
            QCOMPARE(list.header()->sectionSize(0), 123);
            QCOMPARE(list.header()->visualIndex(2), 0);
            QCOMPARE(list.header()->visualIndex(0), 1);
        }
        {
            SkinListCtrl list(fixture_.context());
            list.setModel(&four);
            list.loadLayout("Library");
            QVERIFY(list.header()->sectionSize(0) != 123);
            QCOMPARE(list.header()->visualIndex(2), 2);
            list.header()->resizeSection(3, 77);
        }
        {
            SkinListCtrl list(fixture_.context());
            list.setModel(&four);
            list.loadLayout("Library");
            QCOMPARE(list.header()->sectionSize(3), 77);
        }
    }

    void damagedOrderLeavesOrderAlone() {
        ColumnLayout layout;
        layout.columns = {{"A", 50, 1}, {"B", 60, 1}};  // position 1 twice
        QVERIFY(fixture_.prefs().saveColumnLayout(layout, "Damaged").ok());
        CountingModel model(1, {"A", "B"});
        SkinListCtrl list(fixture_.context());
        list.setModel(&model);
        list.loadLayout("Damaged");
        QCOMPARE(list.header()->sectionSize(1), 60);
        QCOMPARE(list.header()->visualIndex(0), 0);
        QCOMPARE(list.header()->visualIndex(1), 1);
    }

    void deleteKeyAsksTheOwner() {
        CountingModel model(5, {"A"});
        SkinListCtrl list(fixture_.context());
        list.setModel(&model);
        QSignalSpy spy(&list, &SkinListCtrl::deletePressed);
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(spy.count(), 0);
        QTest::keyClick(&list, Qt::Key_Delete);
        QCOMPARE(spy.count(), 1);
    }
};

SONARA_GUI_TEST(SkinListCtrlTest)
#include "SkinListCtrlTest.moc"
