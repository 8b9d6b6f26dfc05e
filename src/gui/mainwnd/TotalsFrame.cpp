#include "gui/mainwnd/TotalsFrame.h"

#include "core/app/StringTable.h"
#include "gui/controls/GradientProgress.h"
#include "gui/mainwnd/ControlMap.h"
#include "gui/skin/SkinGroupBox.h"
#include "gui/skin/SkinLabel.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

namespace {

QString text(TextId id) {
    return QString::fromStdString(stringText(id));
}

}  // namespace

TotalsFrame::TotalsFrame(QWidget* window, SkinContext& context, ControlMap& controls)
    : QObject(window), context_(context) {
    // The frame first, so the texts and the bar stack above it.
    frame_ = new SkinGroupBox(context, QString(), window);
    controls.place(ControlId::TotalsFrame, frame_);
    auto* totalLabel = new SkinLabel(context, text(TextId::TotalLabel), window);
    controls.place(ControlId::TotalLabel, totalLabel);
    totalValue_ = new SkinLabel(context, QString(), window);
    controls.place(ControlId::TotalValue, totalValue_);
    auto* leftLabel = new SkinLabel(context, text(TextId::LeftLabel), window);
    controls.place(ControlId::LeftLabel, leftLabel);
    leftValue_ = new SkinLabel(context, QString(), window);
    controls.place(ControlId::LeftValue, leftValue_);
    progress_ = new GradientProgress(window);
    controls.place(ControlId::PlayedProgress, progress_);
    skinChanged();
    show(PlayListTotals{});
}

void TotalsFrame::show(const PlayListTotals& totals) {
    totalValue_->setText(QString::fromStdString(totals.totalText()));
    leftValue_->setText(QString::fromStdString(totals.leftText()));
    progress_->setRange(0, totals.progressMaximum());
    progress_->setPosition(totals.progressPosition());
}

void TotalsFrame::skinChanged() {
    progress_->setSkinColours(context_.skin.fontInfo());
}

}  // namespace sonara::gui
