#include "core/mainwnd/LayoutEngine.h"

namespace sonara {

void LayoutEngine::rebuild(const Rect& client) {
    initialClient_ = client;
    for (LayoutTableId id : kAllLayoutTables) {
        tables_[static_cast<std::size_t>(id)] =
            LayoutTable::capture(layoutTableRows(id), target_, client);
    }
}

void LayoutEngine::updateRow(ControlId control) {
    const Rect now = target_.controlRect(control);
    for (LayoutTable& table : tables_) {
        table.updateControlSize(control, now);
    }
}

const LayoutTable& LayoutEngine::tableFor(ViewMode view, bool smallSpectrumShown) const {
    return table(layoutTableFor(view, smallSpectrumShown));
}

const LayoutTable& LayoutEngine::table(LayoutTableId id) const {
    return tables_[static_cast<std::size_t>(id)];
}

void LayoutEngine::apply(const LayoutTable& table, const Rect& client) {
    table.apply(target_, client, workSpacePercent_);
}

}  // namespace sonara
