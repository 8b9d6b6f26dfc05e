#include "gui/app/SkinGallery.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <array>
#include <utility>

#include "core/settings/PreferenceStore.h"
#include "core/skin/SkinFiles.h"
#include "gui/controls/GradientProgress.h"
#include "gui/controls/HistoryCombo.h"
#include "gui/controls/HyperLink.h"
#include "gui/controls/ScrollingLabel.h"
#include "gui/controls/ShowHideColumnsDialog.h"
#include "gui/controls/SkinKeyboard.h"
#include "gui/controls/SkinListCtrl.h"
#include "gui/controls/SkinScrollBar.h"
#include "gui/controls/SkinSlider.h"
#include "gui/controls/SkinToolStrip.h"
#include "gui/skin/SkinCaptionButton.h"
#include "gui/skin/SkinDialog.h"
#include "gui/skin/SkinGroupBox.h"
#include "gui/skin/SkinLabel.h"
#include "gui/skin/SkinPicture.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

namespace {

constexpr std::array<const char*, 5> kStateNames = {"Up", "Down", "Focus", "MouseOver", "Disabled"};

// Puts a button into one of the five states without a mouse or focus.
void forceState(SkinButton* button, int column) {
    switch (column) {
        case skin::kDown:
            button->setDown(true);
            break;
        case skin::kFocus:
            button->setShowsFocus(true);
            break;
        case skin::kMouseOver:
            button->setMouseOver(true);
            break;
        case skin::kDisabled:
            button->setEnabled(false);
            break;
        default:
            break;
    }
}

class GalleryPage : public SkinDialog {
  public:
    explicit GalleryPage(SkinContext& context) : SkinDialog(context, nullptr, true) {
        setWindowTitle("Skin gallery");
        auto* columns = new QHBoxLayout(this);
        columns->setContentsMargins(12, 12, 12, 12);
        columns->setSpacing(18);
        columns->addLayout(buttonColumn(skin::kLargeButton, skin::kLargeCaptionRows), 0);
        auto* middle = new QVBoxLayout;
        middle->addLayout(buttonColumn(skin::kMediumButton, skin::kMediumCaptionRows));
        middle->addLayout(buttonColumn(skin::kSmallButton, 1));
        middle->addStretch();
        columns->addLayout(middle, 0);
        columns->addLayout(controlsColumn(), 1);
    }

  private:
    SkinLabel* heading(const QString& text) {
        auto* label = new SkinLabel(context(), text, this);
        label->setMinimumHeight(18);
        return label;
    }

    // Every row of a strip in every state; rows beyond what the strip holds
    // repeat its face, as a button with that row would draw it.
    QLayout* buttonColumn(int strip, int rows) {
        auto* box = new QVBoxLayout;
        const QString name = QString::fromUtf8(skin::fileInfo(strip).name.data(),
                                               int(skin::fileInfo(strip).name.size()));
        box->addWidget(heading(name));
        auto* grid = new QGridLayout;
        grid->setSpacing(3);
        for (int column = 0; column < 5; ++column) {
            auto* state = new SkinLabel(context(), kStateNames[size_t(column)], this);
            state->setOwnFont({"DejaVu Sans", 9, false});
            grid->addWidget(state, 0, column);
        }
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < 5; ++column) {
                auto* button = new SkinCaptionButton(context(), this);
                if (strip == skin::kLargeButton) {
                    button->setText(
                        QString::fromUtf8(skin::largeRowCaptions()[size_t(row)].data()));
                }
                button->setSkin(strip, std::nullopt, row);
                forceState(button, column);
                grid->addWidget(button, row + 1, column);
            }
        }
        box->addLayout(grid);
        box->addStretch();
        return box;
    }

    QLayout* controlsColumn() {
        auto* box = new QVBoxLayout;
        box->setSpacing(6);

        box->addWidget(heading("Pictures"));
        auto* pictures = new QHBoxLayout;
        for (int index : {int(skin::kLogo), int(skin::kLogoSmall), int(skin::kVolPic)}) {
            auto* picture = new SkinPicture(context(), this);
            picture->setMode(0);
            picture->setSkinIndex(index);
            pictures->addWidget(picture, 0, Qt::AlignTop);
        }
        pictures->addStretch();
        box->addLayout(pictures);
        auto* search = new SkinPicture(context(), this);
        search->setMode(0);
        search->setSkinIndex(skin::kSearchToolbar);
        box->addWidget(search);

        box->addWidget(heading("Mini tool bar (item 2 hot)"));
        auto* strip = new SkinToolStrip(context(), this);
        strip->setHotItem(1);
        box->addWidget(strip);

        box->addWidget(heading("Sliders: play progress and volume"));
        addSlider(box, skin::kPlayProgress, 35, true);
        auto* volumes = new QHBoxLayout;
        // At the start, pressed, at the end, disabled.
        for (const auto& [value, state] :
             {std::pair{0, 0}, std::pair{60, 1}, std::pair{100, 0}, std::pair{40, 2}}) {
            auto* slider = new SkinSlider(context(), this);
            slider->setSkinBitmap(skin::kVol, 3);
            slider->setRange(0, 100);
            slider->setValue(value);
            slider->setShowPressed(state == 1);
            slider->setEnabled(state != 2);
            volumes->addWidget(slider);
        }
        volumes->addStretch();
        box->addLayout(volumes);

        box->addWidget(heading("Labels"));
        box->addWidget(new SkinLabel(context(), "Static text, enabled", this));
        auto* disabled = new SkinLabel(context(), "Static text, disabled", this);
        disabled->setEnabled(false);
        box->addWidget(disabled);
        auto* rule = new SkinLabel(context(), QString(), this);
        rule->setMode(3);
        box->addWidget(rule);
        auto* scrolling = new ScrollingLabel(context(), this);
        scrolling->setFixedWidth(240);
        scrolling->setText("A song title long enough that it scrolls across the label");
        scrolling->tick();
        scrolling->tick();
        box->addWidget(scrolling);
        auto* links = new QHBoxLayout;
        auto* link = new HyperLink(context(), this);
        link->setColours(toQColor(context().skin.fontInfo().hyperLink),
                         toQColor(context().skin.fontInfo().visitedHyperLink));
        link->setText("https://example.org/sonara");
        auto* visited = new HyperLink(context(), this);
        visited->setColours(toQColor(context().skin.fontInfo().hyperLink),
                            toQColor(context().skin.fontInfo().visitedHyperLink));
        visited->setText("Visited link");
        visited->setVisited(true);
        links->addWidget(link);
        links->addWidget(visited);
        links->addStretch();
        box->addLayout(links);

        auto* group = new SkinGroupBox(context(), "Group box", this);
        auto* inGroup = new QVBoxLayout(group);
        inGroup->addWidget(new SkinLabel(context(), "Inside the group", group));
        auto* progress = new GradientProgress(group);
        progress->setStartColour(toQColor(context().skin.fontInfo().progressStart));
        progress->setEndColour(toQColor(context().skin.fontInfo().progressEnd));
        progress->setShowPercentage(true);
        progress->setPosition(62);
        progress->setFixedHeight(16);
        inGroup->addWidget(progress);
        box->addWidget(group);

        box->addWidget(heading("History combo box"));
        auto* combo = new HistoryCombo(context(), this);
        for (const char* entry : {"blue", "night train", "summer"}) {
            combo->setEditText(entry);
            combo->addCurrentText();
        }
        box->addWidget(combo);

        box->addWidget(heading("List (row 2 selected)"));
        box->addWidget(list());

        box->addWidget(heading("Show/Hide Columns dialog"));
        box->addWidget(dialogPicture(), 0, Qt::AlignLeft);

        box->addWidget(heading("On-screen keyboard"));
        if (context().skin.hasBitmap(skin::kKeyboardBackground)) {
            auto* keyboard = new SkinKeyboard(context(), this);
            keyboard->setHotKey(2);
            box->addWidget(keyboard);
        } else {
            box->addWidget(new SkinLabel(context(), "(this skin has no keyboard bitmaps)", this));
        }
        if (!context().skin.scrollBarSkinPresent()) {
            box->addWidget(new SkinLabel(context(), "(this skin has no scroll bar bitmaps)", this));
        }
        box->addStretch();
        return box;
    }

    // A skinned dialog as it opens, drawn into a picture of the page.
    SkinPicture* dialogPicture() {
        // Drawn at its full size, not at the first step of its opening.
        int& effects = context().prefs.values().dlgEffects;
        const int savedEffects = std::exchange(effects, 0);
        ShowHideColumnsDialog dialog(context());
        effects = savedEffects;
        dialog.setChecked({true, false, true, true});
        dialog.setAttribute(Qt::WA_DontShowOnScreen);
        dialog.show();
        auto* picture = new SkinPicture(context(), this);
        picture->setMode(0);
        picture->setImage(dialog.grab().toImage());
        dialog.hide();
        return picture;
    }

    void addSlider(QVBoxLayout* box, int index, int value, bool enabled) {
        auto* slider = new SkinSlider(context(), this);
        slider->setSkinBitmap(index, 3);
        slider->setRange(0, 100);
        slider->setValue(value);
        slider->setEnabled(enabled);
        box->addWidget(slider, 0, Qt::AlignLeft);
    }

    SkinListCtrl* list() {
        auto* model = new QStandardItemModel(0, 4, this);
        model->setHorizontalHeaderLabels({"Artist", "Album", "Title", "Length"});
        const char* rows[][4] = {{"Alpha Band", "First Light", "Morning", "3:21"},
                                 {"Blue Road", "Night Drive", "Highway Song", "4:05"},
                                 {"Cinder", "Embers", "Glow", "2:58"},
                                 {"Delta Nine", "Rivers", "Upstream", "5:12"},
                                 {"Echo Park", "Summer", "Heatwave", "3:47"}};
        for (const auto& row : rows) {
            QList<QStandardItem*> items;
            for (const char* cell : row) {
                items << new QStandardItem(cell);
            }
            items.back()->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            model->appendRow(items);
        }
        auto* view = new SkinListCtrl(context(), this);
        view->setModel(model);
        view->setFixedHeight(view->header()->sizeHint().height() + view->rowHeight() * 6);
        view->setCurrentIndex(model->index(1, 0));
        view->selectionModel()->select(model->index(1, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        return view;
    }
};

}  // namespace

std::unique_ptr<QWidget> makeSkinGalleryPage(SkinContext& context) {
    auto page = std::make_unique<GalleryPage>(context);
    page->layout()->setSizeConstraint(QLayout::SetFixedSize);
    return page;
}

QImage renderSkinGallery(SkinContext& context) {
    GalleryPage page(context);
    page.setAttribute(Qt::WA_DontShowOnScreen);
    // Its natural size, not one cut down to fit a screen.
    page.layout()->setSizeConstraint(QLayout::SetFixedSize);
    page.show();
    QImage image = page.grab().toImage();
    page.hide();
    return image;
}

}  // namespace sonara::gui
