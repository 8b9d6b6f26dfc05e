#pragma once

#include <QWidget>

#include "gui/mainwnd/DisplayColumnImages.h"

namespace sonara::gui {

// One of the main window's visualisation displays: it owns its analyser,
// which the player host's connectors update, and paints what the analyser
// holds. Painting is cheap and happens only when a spot changed.
// User-interface thread only.
class DisplayWidget : public QWidget {
    Q_OBJECT
  public:
    explicit DisplayWidget(QWidget* parent);

    // Reads the analyser after an update; repaints when what it shows
    // changed, and says whether it did.
    virtual bool refresh() = 0;
    // After settings were applied to the analyser: new colours, spots and
    // bars, and a repaint.
    virtual void settingsChanged() = 0;
    // Silence: the analyser back at zero and the display dark.
    virtual void clear() = 0;

    // For tests and pictures: how many repaints refresh() asked for.
    int repaintsAsked() const { return repaintsAsked_; }

  protected:
    // Stores `frame` as what to paint when it differs from the last one;
    // `frame` is then left holding the old frame's storage for reuse.
    bool takeFrame(std::vector<int>& frame);
    const std::vector<int>& frame() const { return frame_; }
    void resetFrame() { frame_.clear(); }
    void resizeEvent(QResizeEvent* event) override;

    DisplayColumnImages columns_;

  private:
    std::vector<int> frame_;
    int repaintsAsked_ = 0;
};

// A display over an analyser of type `Analyser` that it owns.
template <typename Analyser>
class AnalyserDisplay : public DisplayWidget {
  public:
    using DisplayWidget::DisplayWidget;

    Analyser& analyser() { return analyser_; }
    void clear() override {
        analyser_.reset();
        refresh();
    }

  protected:
    Analyser analyser_;
};

}  // namespace sonara::gui
