#include "SkinBench.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QPixmap>
#include <QScrollBar>
#include <cstdio>
#include <string>

#include "Stopwatch.h"
#include "core/settings/PreferenceStore.h"
#include "gui/app/SkinGallery.h"
#include "gui/app/SkinSwitcher.h"
#include "gui/controls/SkinListCtrl.h"
#include "gui/skin/SkinRecord.h"
#include "skin/DefaultSkin.h"
#include "support/TempDir.h"

namespace sonara::bench {

namespace {

constexpr int kRows = 100000;
constexpr int kRuns = 15;
constexpr double kPaintTargetMs = 10;
constexpr double kSwitchTargetMs = 200;

// Texts made on request, as the library's list model gives them: nothing is
// stored per row.
class GeneratedRows final : public QAbstractTableModel {
  public:
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : kRows; }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 4; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::TextAlignmentRole && index.column() == 3) {
            return int(Qt::AlignRight | Qt::AlignVCenter);
        }
        if (role != Qt::DisplayRole) {
            return {};
        }
        const int row = index.row();
        switch (index.column()) {
            case 0:
                return QStringLiteral("Artist %1").arg(row % 997);
            case 1:
                return QStringLiteral("Album %1").arg(row % 4999);
            case 2:
                return QStringLiteral("A song title of row %1").arg(row);
            default:
                return QStringLiteral("%1:%2").arg(row % 9).arg(row % 60, 2, 10, QChar('0'));
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
            return {};
        }
        static const char* const kNames[] = {"Artist", "Album", "Title", "Length"};
        return QString(kNames[section]);
    }
};

}  // namespace

void runSkinBench(ResultTable& table) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "sonara-bench";
    static char* argv[] = {name, nullptr};
    QApplication app(argc, argv);

    const testing::TempDir home;
    PreferenceStore prefs(home.file("Sonara.ini"), home.path().string());
    (void)prefs.loadAll();  // a fresh folder: the defaults
    prefs.values().dlgEffects = 0;
    gui::SkinRecord record;
    gui::SkinContext context{record, prefs};
    gui::SkinSwitcher switcher(context, skin::defaultSkin(), skin::bundledSkins());
    if (!switcher.startUp()) {
        std::printf("skin bench: the default skin did not load\n");
        return;
    }

    {
        GeneratedRows model;
        gui::SkinListCtrl list(context);
        list.setModel(&model);
        list.resize(800, 600);
        list.setAttribute(Qt::WA_DontShowOnScreen);
        list.show();
        list.verticalScrollBar()->setValue(kRows / 2);
        QApplication::processEvents();
        QPixmap target(list.viewport()->size());
        int step = 0;
        const double ms = bestMilliseconds(kRuns, [&] {
            // A new screenful each time, as scrolling gives.
            list.verticalScrollBar()->setValue(kRows / 2 + (++step) * 40);
            list.viewport()->render(&target);
        });
        table.add({"skinned list, screenful of 100,000 rows",
                   ms,
                   kPaintTargetMs,
                   "ms",
                   "target: 10 ms",
                   1.0,
                   {},
                   {}});
    }

    {
        auto page = gui::makeSkinGalleryPage(context);
        page->setAttribute(Qt::WA_DontShowOnScreen);
        page->show();
        QApplication::processEvents();
        const std::string first = prefs.values().currentSkin;
        const std::string second(skin::bundledSkins().back().name);
        int turn = 0;
        const double ms = bestMilliseconds(kRuns, [&] {
            const std::string& next = (turn++ % 2 == 0) ? second : first;
            switcher.select(next, page.get());
            // The change is done when the window has been laid out and
            // painted again.
            QApplication::processEvents();
            gSink = gSink + page->grab().width();
        });
        table.add({"skin switch with every control open",
                   ms,
                   kSwitchTargetMs,
                   "ms",
                   "target: 200 ms",
                   1.0,
                   {},
                   {}});
    }
}

}  // namespace sonara::bench
