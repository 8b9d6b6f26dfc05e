#pragma once

#include "audio/analysis/CMMLevelX.h"
#include "gui/mainwnd/DisplayWidget.h"

namespace sonara::gui {

// A level meter (the short 1263/1264 and the tall 1265/1266): one
// channel's level as a column of spots rising from the bottom (or growing
// from the left when horizontal) with its peak mark.
class LevelMeterDisplay : public DisplayWidget {
    Q_OBJECT
  public:
    explicit LevelMeterDisplay(QWidget* parent = nullptr);

    audio::CMMLevelX& analyser() { return analyser_; }

    bool refresh() override;
    void settingsChanged() override;
    void clear() override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool horizontal() const { return analyser_.kind() == audio::LevelKind::Horizontal; }

    audio::CMMLevelX analyser_;
    std::vector<int> next_;
};

}  // namespace sonara::gui
