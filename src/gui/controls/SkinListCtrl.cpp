#include "gui/controls/SkinListCtrl.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <vector>

#include "core/settings/PreferenceStore.h"
#include "gui/controls/SkinListDelegate.h"
#include "gui/controls/SkinScrollBar.h"
#include "gui/skin/SkinEvents.h"
#include "gui/skin/SkinPainting.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

namespace {

// Largest multiple of `step` not above `value`, for negative values too.
int floorTo(int value, int step) {
    const int rest = value % step;
    return rest < 0 ? value - rest - step : value - rest;
}

// True when `order` holds each display position 0..n-1 exactly once; a
// damaged file must not scramble the header.
bool isPermutation(const std::vector<int>& order) {
    std::vector<bool> seen(order.size(), false);
    for (int position : order) {
        if (position < 0 || size_t(position) >= order.size() || seen[size_t(position)]) {
            return false;
        }
        seen[size_t(position)] = true;
    }
    return true;
}

}  // namespace

SkinListCtrl::SkinListCtrl(SkinContext context, QWidget* parent)
    : QTreeView(parent), context_(context), delegate_(new SkinListDelegate(context, this)) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setTextElideMode(Qt::ElideRight);
    setItemDelegate(delegate_);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(true);
    // The background is painted here (list colour or the parent's picture),
    // all of it, so scrolls may move pixels instead of repainting the parent.
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    SkinScrollBar::install(this, context_);
    applySkin();
}

SkinListCtrl::~SkinListCtrl() {
    // Once the model is gone the header counts no columns: saving then
    // would wipe a good layout.
    if (layoutLoaded_ && header()->count() > 0) {
        saveLayout(layoutSection_);
    }
}

void SkinListCtrl::setBackgroundIndex(int index) {
    backgroundIndex_ = index;
    stretched_ = QImage();
    viewport()->update();
}

int SkinListCtrl::rowHeight() const {
    return SkinListDelegate::rowHeight(font());
}

void SkinListCtrl::applySkin() {
    const skin::FontInfo& info = context_.skin.fontInfo();
    setFont(skinFont(info.listFont));
    // The header in the list's own colours, a shade off its background, so a
    // dark skin gets no bright system bar across its top.
    const QColor text = toQColor(info.listText);
    const QColor background = toQColor(info.listBackground);
    const auto mix = [](QColor a, QColor b, double share) {
        return QColor(int(a.red() * (1 - share) + b.red() * share),
                      int(a.green() * (1 - share) + b.green() * share),
                      int(a.blue() * (1 - share) + b.blue() * share));
    };
    QPalette headerColours = header()->palette();
    headerColours.setColor(QPalette::Button, mix(background, text, 0.14));
    headerColours.setColor(QPalette::Window, mix(background, text, 0.14));
    headerColours.setColor(QPalette::ButtonText, text);
    headerColours.setColor(QPalette::WindowText, text);
    header()->setPalette(headerColours);
    stretched_ = QImage();
    scheduleDelayedItemsLayout();
    viewport()->update();
}

void SkinListCtrl::loadLayout(const std::string& section) {
    layoutSection_ = section;
    layoutLoaded_ = true;
    QHeaderView* head = header();
    const int count = head->count();
    const std::optional<ColumnLayout> layout = context_.prefs.loadColumnLayout(count, section);
    if (!layout || int(layout->columns.size()) != count) {
        return;
    }
    std::vector<int> order;
    order.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        const ColumnSetting& column = layout->columns[size_t(i)];
        if (column.hasWidth() && column.size > 0) {
            head->resizeSection(i, column.size);
        }
        order.push_back(column.orderIndex);
    }
    if (!isPermutation(order)) {
        return;
    }
    // The whole order at once: moving visual positions in ascending order
    // leaves every earlier position settled.
    const bool updates = head->updatesEnabled();
    head->setUpdatesEnabled(false);
    for (int position = 0; position < count; ++position) {
        const auto column = std::find(order.begin(), order.end(), position) - order.begin();
        head->moveSection(head->visualIndex(int(column)), position);
    }
    head->setUpdatesEnabled(updates);
}

void SkinListCtrl::saveLayout(const std::string& section) {
    const QHeaderView* head = header();
    ColumnLayout layout;
    for (int i = 0; i < head->count(); ++i) {
        ColumnSetting column;
        const QVariant text = model() != nullptr
                                  ? model()->headerData(i, Qt::Horizontal, Qt::DisplayRole)
                                  : QVariant();
        column.id = text.toString().toStdString();
        column.size = head->sectionSize(i);
        column.orderIndex = head->visualIndex(i);
        layout.columns.push_back(std::move(column));
    }
    // Also run from the destructor, with no window left to tell: unsaved, the
    // columns only come back as they were.
    (void)context_.prefs.saveColumnLayout(layout, section);
}

bool SkinListCtrl::event(QEvent* event) {
    if (event->type() == SkinChangedEvent::eventType()) {
        applySkin();
        return true;
    }
    return QTreeView::event(event);
}

void SkinListCtrl::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        emit deletePressed();
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void SkinListCtrl::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(viewport());
        if (context_.skin.fontInfo().listTransparent) {
            paintParentBackground(painter, event->rect());
        } else {
            painter.fillRect(event->rect(), context_.skin.listBrush());
        }
    }
    QTreeView::paintEvent(event);
}

void SkinListCtrl::paintParentBackground(QPainter& painter, const QRect& area) {
    const QImage& picture = context_.skin.bitmapPresent(backgroundIndex_);
    if (picture.isNull()) {
        painter.fillRect(area, palette().brush(QPalette::Window));
        return;
    }
    QWidget* top = window();
    const QPoint offset = viewport()->mapTo(top, QPoint(0, 0));
    const skin::FontInfo& info = context_.skin.fontInfo();
    const bool tiled = backgroundIndex_ == skin::kTile ? info.tileMainWindow : info.tileDialogs;
    if (!tiled) {
        if (stretchedFor_ != top->size() || stretched_.isNull()) {
            stretched_ =
                picture.scaled(top->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            stretchedFor_ = top->size();
        }
        painter.drawImage(area.topLeft(), stretched_, area.translated(offset));
        return;
    }
    // Tiles start at the top-level window's corner, in viewport coordinates.
    const int w = picture.width();
    const int h = picture.height();
    painter.save();
    painter.setClipRect(area);
    for (int y = floorTo(area.top() + offset.y(), h) - offset.y(); y <= area.bottom(); y += h) {
        for (int x = floorTo(area.left() + offset.x(), w) - offset.x(); x <= area.right(); x += w) {
            painter.drawImage(QPoint(x, y), picture);
        }
    }
    painter.restore();
}

void SkinListCtrl::scrollContentsBy(int dx, int dy) {
    QTreeView::scrollContentsBy(dx, dy);
    // A scroll moves the pixels already drawn; the background behind them
    // must stay put, so everything is drawn again.
    if (context_.skin.fontInfo().listTransparent) {
        viewport()->update();
    }
}

}  // namespace sonara::gui
