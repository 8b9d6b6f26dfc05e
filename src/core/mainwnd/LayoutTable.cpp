#include "core/mainwnd/LayoutTable.h"

#include <algorithm>

namespace sonara {

LayoutTable LayoutTable::capture(std::span<const LayoutRowSpec> rows, const LayoutTarget& target,
                                 const Rect& initialClient) {
    LayoutTable table;
    table.initialClient_ = initialClient;
    table.rules_.reserve(rows.size());
    const int clientWidth = initialClient.width;
    const int clientHeight = initialClient.height;
    for (const LayoutRowSpec& row : rows) {
        LayoutRule rule;
        rule.control = row.control;
        rule.initial = target.controlRect(row.control);
        rule.reference = row.reference;
        if (row.reference) {
            rule.referenceInitial = target.controlRect(*row.reference);
        }
        rule.flags = row.flags;
        const Rect& o = rule.initial;
        rule.left = LayoutFraction{o.left, clientWidth};
        rule.width = LayoutFraction{o.width, clientWidth};
        rule.top = LayoutFraction{o.top, clientHeight};
        rule.height = LayoutFraction{o.height, clientHeight};
        table.rules_.push_back(rule);
    }
    return table;
}

void LayoutTable::apply(LayoutTarget& target, const Rect& client, int workSpacePercent) const {
    LayoutSituation situation;
    situation.client = client;
    situation.initialClient = initialClient_;
    situation.workSpacePercent = workSpacePercent;
    // The first row has no previous one: it keeps its own initial top.
    if (!rules_.empty()) {
        situation.previousTop = rules_.front().initial.top;
    }
    for (const LayoutRule& rule : rules_) {
        situation.reference = rule.reference ? target.controlRect(*rule.reference) : Rect{};
        situation.controlNow = target.controlRect(rule.control);
        Rect placed = placeByRule(rule, situation);
        placed.width = std::max(placed.width, 0);
        placed.height = std::max(placed.height, 0);
        target.moveControl(rule.control, placed);
        situation.previousTop = placed.top;
    }
}

void LayoutTable::updateControlSize(ControlId control, const Rect& size) {
    for (LayoutRule& rule : rules_) {
        if (rule.control == control) {
            rule.initial.width = size.width;
            rule.initial.height = size.height;
        }
    }
}

}  // namespace sonara
