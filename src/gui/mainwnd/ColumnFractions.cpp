#include "gui/mainwnd/ColumnFractions.h"

#include <QHeaderView>
#include <cmath>

namespace sonara::gui {

void ColumnFractions::remember(const QTreeView& list) {
    const int width = list.viewport()->width();
    if (width <= 0) {
        return;  // a hidden list has no width to measure against
    }
    const QHeaderView* header = list.header();
    fractions_.assign(static_cast<size_t>(header->count()), 0.0);
    for (int column = 0; column < header->count(); ++column) {
        fractions_[static_cast<size_t>(column)] =
            static_cast<double>(header->sectionSize(column)) / width;
    }
}

void ColumnFractions::reapply(QTreeView& list) const {
    QHeaderView* header = list.header();
    const int width = list.viewport()->width();
    if (fractions_.empty() || width <= 0 ||
        static_cast<size_t>(header->count()) != fractions_.size()) {
        return;
    }
    for (int column = 0; column < header->count(); ++column) {
        const int size =
            static_cast<int>(std::lround(fractions_[static_cast<size_t>(column)] * width));
        header->resizeSection(column, std::max(size, header->minimumSectionSize()));
    }
}

}  // namespace sonara::gui
