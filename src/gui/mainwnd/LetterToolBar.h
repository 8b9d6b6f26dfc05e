#pragma once

#include <QImage>
#include <QWidget>

#include "gui/skin/SkinContext.h"

namespace sonara::gui {

// The library tool bar: the letter strip of "SearchToolbar.bmp", 27 equal
// cells for "*" and A to Z, laid out in rows as wide as the bar (the strip
// is cut between cells, never scaled). A click on a cell asks for the
// records starting with its letter ("*": all); a right click opens the
// selector for it. Without the bitmap the letters are written in the skin's
// static text colour, so the bar still works. User-interface thread only.
class LetterToolBar : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kCellCount = 27;

    explicit LetterToolBar(SkinContext& context, QWidget* parent = nullptr);

    // '*' for cell 0, then 'A' to 'Z'.
    static char letterOfCell(int cell);
    QSize cellSize() const;
    // The cell under `point`, or -1.
    int cellAt(QPoint point) const;
    QRect cellRect(int cell) const;
    // The size that shows every cell in `rows` rows.
    QSize sizeForRows(int rows) const;
    int hotCell() const { return hot_; }

  signals:
    void letterChosen(char letter);
    void selectorChosen(char letter);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    int cellsPerRow() const;
    const QImage& keyedStrip();
    void setHot(int cell);

    SkinContext& context_;
    int hot_ = -1;
    int pressed_ = -1;
    // The strip with its transparent colour keyed out, remade when the skin
    // bitmap or the colour changes.
    QImage keyed_;
    qint64 keyedFrom_ = 0;
    QRgb keyedColour_ = 0;
};

}  // namespace sonara::gui
