#pragma once

#include <QLabel>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>

namespace sonara::gui {

// The small tip window skinned controls show beside themselves after the
// mouse rests on them for 900 ms, when "ShowTips" is on. The owner says
// where; the tip never takes focus. User-interface thread only.
class HoverTip : public QObject {
    Q_OBJECT
  public:
    static constexpr int kDelayMs = 900;

    explicit HoverTip(QWidget* owner);
    ~HoverTip() override;

    // Starts the delay unless a tip is shown or the delay already runs;
    // `globalPos` is where the tip's top-left corner goes.
    void arm(const QString& text, QPoint globalPos);
    // Shows the tip at once (slider values while dragging).
    void showNow(const QString& text, QPoint globalPos);
    // Stops the delay and hides a shown tip.
    void hide();

    bool isShown() const;
    bool isArmed() const { return timer_.isActive(); }
    QString text() const;

  private:
    QWidget* owner_;
    QTimer timer_;
    QPointer<QLabel> label_;
    QString pendingText_;
    QPoint pendingPos_;
};

}  // namespace sonara::gui
