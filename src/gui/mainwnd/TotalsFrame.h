#pragma once

#include <QObject>

#include "core/playlist/PlayListTotals.h"
#include "gui/skin/SkinContext.h"

namespace sonara::gui {

class ControlMap;
class GradientProgress;
class SkinGroupBox;
class SkinLabel;

// The play list's "Total:" and "Left:" times and the bar of what was
// played, in their frame. The widgets are children of the window, placed
// at their template rectangles and registered in the map. The context must
// outlive the frame. User-interface thread.
class TotalsFrame : public QObject {
    Q_OBJECT
  public:
    TotalsFrame(QWidget* window, SkinContext& context, ControlMap& controls);

    void show(const PlayListTotals& totals);
    // The bar's colours follow the skin.
    void skinChanged();

    const SkinLabel& totalValue() const { return *totalValue_; }
    const SkinLabel& leftValue() const { return *leftValue_; }
    const GradientProgress& progress() const { return *progress_; }

  private:
    SkinContext& context_;
    SkinGroupBox* frame_;
    SkinLabel* totalValue_;
    SkinLabel* leftValue_;
    GradientProgress* progress_;
};

}  // namespace sonara::gui
