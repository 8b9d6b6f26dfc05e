#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <utility>

#include "gui/controls/HyperLinkOpener.h"
#include "gui/skin/SkinContext.h"

namespace sonara::gui {

// A line of text that opens a web address or a file when clicked. It sizes
// itself to its text, keeping its horizontal alignment and, when asked, its
// vertical centre. Owners set the colours from the skin's "HyperLinks".
class HyperLink : public QWidget {
    Q_OBJECT
  public:
    static QColor defaultLinkColour() { return {0, 0, 238}; }
    static QColor defaultVisitedColour() { return {85, 26, 139}; }

    explicit HyperLink(SkinContext context, QWidget* parent = nullptr);
    ~HyperLink() override;

    // The shown text; it is also the target while no URL is set.
    void setText(const QString& text);
    const QString& text() const { return text_; }
    // The target; an empty text shows the target.
    void setUrl(const QString& url);
    QString url() const { return url_.isEmpty() ? text_ : url_; }

    void setColours(QColor link, QColor visited);
    // The skin's "HyperLinks" colours, as the skinned windows use them.
    void setSkinColours();
    QColor linkColour() const { return linkColour_; }
    QColor visitedColour() const { return visitedColour_; }
    void setVisited(bool visited);
    bool isVisited() const { return visited_; }
    void setUnderline(bool underline);
    bool underline() const { return underline_; }
    // An own face and pixel size (normal weight) instead of the skin's
    // static-text font.
    void setOwnFont(const QString& face, int size);
    void clearOwnFont();
    const QFont& linkFont() const { return font_; }
    // Left, centre or right, optionally with Qt::AlignVCenter.
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const { return alignment_; }

    // Not owned; nullptr goes back to the desktop's own.
    void setOpener(DesktopOpener* opener);

    // Opens the target: the desktop's opener, else the default web
    // browser's command line; a failure beeps and is reported. True when
    // opened, and the link then shows as visited.
    bool open();

    QSize sizeHint() const override;

  signals:
    void opened();

  protected:
    // Shows the failure message; tests replace it to read the text.
    virtual void showFailureMessage(const QString& message);

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void makeFont();
    void fitToText();

    SkinContext context_;
    QString text_;
    QString url_;
    QColor linkColour_ = defaultLinkColour();
    QColor visitedColour_ = defaultVisitedColour();
    bool visited_ = false;
    bool underline_ = true;
    std::optional<std::pair<QString, int>> ownFont_;
    QFont font_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    std::unique_ptr<DesktopOpener> systemOpener_;
    DesktopOpener* opener_;
};

}  // namespace sonara::gui
