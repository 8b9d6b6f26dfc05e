#pragma once

#include "audio/analysis/CMMSpectrumX.h"
#include "gui/mainwnd/DisplayWidget.h"

namespace sonara::gui {

// A spectrum display (the large 1262 and the small 1269): the analyser's
// bands as bars, spots, dots, a line or peak marks, by its Kind; in stereo
// the left channel's bands on the left half, the right's on the right.
class SpectrumDisplay : public AnalyserDisplay<audio::CMMSpectrumX> {
    Q_OBJECT
  public:
    explicit SpectrumDisplay(QWidget* parent = nullptr);

    bool refresh() override;
    void settingsChanged() override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<PixelSpan> bars_;  // every channel's bars, left to right
    int bandsPerChannel_ = 0;
    std::vector<int> next_;  // lit spots then peak spot per bar
};

}  // namespace sonara::gui
