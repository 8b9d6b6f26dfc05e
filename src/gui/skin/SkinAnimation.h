#pragma once

#include <QImage>
#include <QList>
#include <QWidget>

namespace sonara::gui {

// A still picture that moves on by one frame on each step(), wrapping round;
// white in the frames shows the button-face colour behind them.
class SkinAnimation : public QWidget {
    Q_OBJECT
  public:
    explicit SkinAnimation(QWidget* parent = nullptr);

    // Sizes the widget to the first frame and shows it.
    void setFrames(QList<QImage> frames);
    int frameCount() const { return int(frames_.size()); }
    int currentFrame() const { return current_; }
    void step();

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QList<QImage> frames_;  // white already keyed out
    int current_ = 0;
};

}  // namespace sonara::gui
