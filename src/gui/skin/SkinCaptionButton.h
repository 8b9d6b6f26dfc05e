#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <optional>

#include "gui/skin/SkinButton.h"

namespace sonara::gui {

// A skin button with an optional icon and a caption it draws itself in the
// strip's button font and state colours, when the strip has no captions of
// its own (the large strip with "Large Buttons Have Text" 0, the medium strip
// with "Medium Buttons Have Text" 0), or when told to draw over them.
class SkinCaptionButton : public SkinButton {
    Q_OBJECT
  public:
    explicit SkinCaptionButton(SkinContext& context, QWidget* parent = nullptr);

    // Drawn 1:1 at `offset.x()` from the left, centred vertically and moved
    // down by `offset.y()`.
    void setIconImage(QImage icon, QPoint offset = {});
    // A string-table id, or none for the button's text().
    void setCaptionId(std::optional<TextId> id);
    void setCaptionOffsets(QPoint offset);
    // Horizontal alignment of the caption (centred unless set).
    void setTextFormat(Qt::Alignment alignment);
    // For a caption none of the strip's drawn-in rows reads: the row's face
    // is drawn with its lettering wiped and this caption over it.
    void setCaptionOverStrip(bool on);

    QString caption() const;
    bool drawsCaption() const;
    QRect iconRect() const { return iconRect_; }
    QRect captionRect() const { return captionRect_; }

  protected:
    void skinChanged() override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    bool stripHasCaptions() const;
    const QFont& captionFont();
    void computeRects();

    QImage icon_;
    QPoint iconOffset_;
    std::optional<TextId> captionId_;
    QPoint captionOffset_;
    Qt::Alignment alignment_ = Qt::AlignHCenter;
    bool overStrip_ = false;
    std::optional<QFont> font_;
    bool rectsKnown_ = false;
    QRect iconRect_;
    QRect captionRect_;
};

}  // namespace sonara::gui
