#pragma once

#include "audio/analysis/CMMLevelX.h"
#include "gui/mainwnd/DisplayWidget.h"

namespace sonara::gui {

// A level meter (the short 1263/1264 and the tall 1265/1266): one
// channel's level as a column of spots rising from the bottom (or growing
// from the left when horizontal) with its peak mark.
class LevelMeterDisplay : public AnalyserDisplay<audio::CMMLevelX> {
    Q_OBJECT
  public:
    explicit LevelMeterDisplay(QWidget* parent = nullptr);

    bool refresh() override;
    void settingsChanged() override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool horizontal() const { return analyser_.kind() == audio::LevelKind::Horizontal; }

    std::vector<int> next_;
};

}  // namespace sonara::gui
