#pragma once

#include <QColor>
#include <QWidget>

#include "core/skin/FontInfo.h"

namespace sonara::gui {

// A progress bar filled with a colour ramp from the start to the end colour,
// laid across the whole width so the bar shows how far along the ramp it got.
// At either end of the range the whole bar is black.
class GradientProgress : public QWidget {
    Q_OBJECT
  public:
    explicit GradientProgress(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // Limited to the range.
    void setPosition(int position);
    int position() const { return position_; }
    void setStep(int step) { step_ = step; }
    int step() const { return step_; }
    // Advances by the step; passing the maximum starts again at the minimum,
    // as a standard progress bar does.
    void stepIt();

    void setStartColour(QColor colour);
    void setEndColour(QColor colour);
    void setBackgroundColour(QColor colour);
    void setTextColour(QColor colour);
    // The ramp of the skin's "ProgressCtrlColors".
    void setSkinColours(const skin::FontInfo& info);
    QColor startColour() const { return start_; }
    QColor endColour() const { return end_; }
    QColor backgroundColour() const { return background_; }
    QColor textColour() const { return text_; }

    void setShowPercentage(bool show);
    bool showsPercentage() const { return showPercentage_; }
    // "%.0f%%" of the position within the range.
    QString percentageText() const;

    QSize sizeHint() const override { return {200, 16}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double fraction() const;

    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
    int step_ = 10;
    QColor start_{255, 0, 0};
    QColor end_{0, 0, 255};
    QColor background_;
    QColor text_{255, 255, 255};
    bool showPercentage_ = false;
};

}  // namespace sonara::gui
