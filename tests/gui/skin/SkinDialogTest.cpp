#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QVBoxLayout>

#include "core/skin/SkinFiles.h"
#include "gui/skin/SkinDialog.h"
#include "gui/skin/SkinEvents.h"
#include "gui/skin/SkinGroupBox.h"
#include "support/SkinWidgetFixture.h"
#include "support/TestRegistry.h"

using namespace sonara;
using namespace sonara::gui;
using namespace sonara::gui::test;

namespace {

constexpr QSize kFull(300, 200);

class RefusingDialog : public SkinDialog {
  public:
    using SkinDialog::SkinDialog;
    bool allow = false;

  protected:
    bool validate() override { return allow; }
};

// Left half red, right half blue: tiled and stretched look different.
QImage halves() {
    QImage image = solidImage(QSize(4, 4), Qt::blue);
    for (int y = 0; y < 4; ++y) {
        image.setPixelColor(0, y, Qt::red);
        image.setPixelColor(1, y, Qt::red);
    }
    return image;
}

}  // namespace

class SkinDialogTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<SkinWidgetFixture> fixture_;

    std::unique_ptr<RefusingDialog> makeDialog(int effects) {
        fixture_->prefs().values().dlgEffects = effects;
        auto dialog = std::make_unique<RefusingDialog>(fixture_->context());
        dialog->allow = true;
        auto* layout = new QVBoxLayout(dialog.get());
        layout->addWidget(new QLineEdit(dialog.get()));
        layout->addWidget(new QListWidget(dialog.get()));
        layout->addWidget(new QSlider(Qt::Horizontal, dialog.get()));
        dialog->resize(kFull);
        return dialog;
    }

    static void finishAnimation(SkinDialog& dialog) {
        for (int tick = 0; tick < 100 && dialog.isAnimating(); ++tick) {
            dialog.stepAnimation();
        }
        QVERIFY(!dialog.isAnimating());
    }

  private slots:
    void init() {
        fixture_ = std::make_unique<SkinWidgetFixture>();
        fixture_->skin().setBitmap(skin::kTile, halves());
    }
    void cleanup() { fixture_.reset(); }

    void withoutEffectsFullSizeAtOnce() {
        auto dialog = makeDialog(0);
        dialog->show();
        QVERIFY(!dialog->effectsOn());
        QVERIFY(!dialog->isAnimating());
        QCOMPARE(dialog->size(), kFull);
        dialog->accept();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));

        // The flag of the caller wins over the preference.
        fixture_->prefs().values().dlgEffects = 1;
        SkinDialog quiet(fixture_->context(), nullptr, true);
        QVERIFY(!quiet.effectsOn());
    }

    void withEffectsGrowsFromTwoByTwoByDoublingSteps() {
        auto dialog = makeDialog(1);
        dialog->show();
        QVERIFY(dialog->isGrowing());
        QCOMPARE(dialog->size(), QSize(2, 2));
        const QRect full = dialog->fullRect();
        QCOMPARE(full.size(), kFull);

        QSize step(2, 2);
        QSize expected(2, 2);
        while (dialog->isGrowing()) {
            QCOMPARE(dialog->animationSteps(), step);
            dialog->stepAnimation();
            if (!dialog->isGrowing()) {
                break;
            }
            expected = QSize(qMin(expected.width() + 2 * step.width(), kFull.width()),
                             qMin(expected.height() + 2 * step.height(), kFull.height()));
            step *= 2;
            QCOMPARE(dialog->size(), expected);
            QVERIFY((dialog->geometry().center() - full.center()).manhattanLength() <= 2);
        }
        QCOMPARE(dialog->geometry(), full);
        // The layout holds the window to its minimum again.
        QVERIFY(dialog->minimumWidth() > 2);
    }

    void okAndCancelShrinkBeforeClosing() {
        auto dialog = makeDialog(1);
        QSignalSpy finished(dialog.get(), &QDialog::finished);
        dialog->show();
        finishAnimation(*dialog);

        dialog->allow = false;
        dialog->accept();
        QVERIFY(!dialog->isShrinking());  // validation failed: stays open
        dialog->allow = true;
        dialog->accept();
        QVERIFY(dialog->isShrinking());
        QCOMPARE(dialog->size(), kFull * 2 / 3);
        QVERIFY(dialog->isVisible());
        int lastWidth = dialog->width();
        while (dialog->isShrinking()) {
            dialog->stepAnimation();
            if (dialog->isShrinking()) {
                QVERIFY(dialog->width() <= lastWidth);
                lastWidth = dialog->width();
            }
        }
        QVERIFY(!dialog->isVisible());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.front().front().toInt(), int(QDialog::Accepted));

        // Opened again it grows again, and Cancel ends it as rejected.
        dialog->show();
        QVERIFY(dialog->isGrowing());
        finishAnimation(*dialog);
        dialog->reject();
        QVERIFY(dialog->isShrinking());
        finishAnimation(*dialog);
        QCOMPARE(finished.count(), 2);
        QCOMPARE(finished.back().front().toInt(), int(QDialog::Rejected));
    }

    void backgroundTiledOrStretchedWithThePlayerPanel() {
        auto dialog = std::make_unique<SkinDialog>(fixture_->context());
        dialog->resize(kFull);
        // No dialog background: the tile stands in, repeated every 4 pixels.
        QImage image = dialog->grab().toImage();
        QCOMPARE(image.pixelColor(4, 0), QColor(Qt::red));
        QCOMPARE(image.pixelColor(2, 0), QColor(Qt::blue));

        skin::FontInfo info;
        info.tileDialogs = false;
        fixture_->skin().setFontInfo(info);
        fixture_->skin().setBitmap(skin::kPlayerBackground, solidImage(QSize(3, 3), Qt::yellow));
        dialog->setPlayerBackgroundRect(QRect(200, 100, 50, 50));
        image = dialog->grab().toImage();
        QCOMPARE(image.pixelColor(2, 0), QColor(Qt::red));
        QCOMPARE(image.pixelColor(290, 0), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(220, 120), QColor(Qt::yellow));

        // The main window's background follows its own flag.
        dialog->setBackgroundIndex(skin::kTile);
        QCOMPARE(dialog->grab().toImage().pixelColor(2, 0), QColor(Qt::blue));
    }

    void controlsTakeListColoursSlidersKeepTheirs() {
        skin::FontInfo info;
        info.listText = Colour::fromRgb(250, 250, 0);
        info.listBackground = Colour::fromRgb(5, 5, 5);
        fixture_->skin().setFontInfo(info);
        auto dialog = makeDialog(0);
        auto* edit = dialog->findChild<QLineEdit*>();
        auto* list = dialog->findChild<QListWidget*>();
        auto* slider = dialog->findChild<QSlider*>();
        const QPalette system = slider->palette();
        // A check box framed by a skinned group box is still the dialog's.
        auto* group = new SkinGroupBox(fixture_->context(), "Group", dialog.get());
        auto* check = new QCheckBox("Artist", group);
        dialog->show();
        QCOMPARE(edit->palette().color(QPalette::Base), QColor(5, 5, 5));
        QCOMPARE(edit->palette().color(QPalette::Text), QColor(250, 250, 0));
        QCOMPARE(list->palette().color(QPalette::Base), QColor(5, 5, 5));
        QCOMPARE(slider->palette().color(QPalette::Window), system.color(QPalette::Window));
        QCOMPARE(slider->palette().color(QPalette::Base), system.color(QPalette::Base));
        QCOMPARE(check->palette().color(QPalette::WindowText), QColor(0, 0, 255));

        dialog->setListsInListColours(false);
        QCOMPARE(list->palette().color(QPalette::Base), system.color(QPalette::Base));

        // Without a background bitmap the system colours come back.
        fixture_->skin().setBitmap(skin::kTile, QImage());
        notifySkinChanged(dialog.get());
        QCOMPARE(edit->palette().color(QPalette::Base), system.color(QPalette::Base));
    }
};

SONARA_GUI_TEST(SkinDialogTest)
#include "SkinDialogTest.moc"
