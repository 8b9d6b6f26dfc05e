#pragma once

#include <QAbstractSpinBox>
#include <QElapsedTimer>

namespace sonara::gui {

// The buffer size's number field with spin buttons. Any text may be typed
// (the page validates it on OK); the buttons and the arrow keys move within
// 64..800, by 1 and, once held for a second, by 32.
class BufferSizeField final : public QAbstractSpinBox {
    Q_OBJECT
  public:
    explicit BufferSizeField(QWidget* parent = nullptr);

    void setValue(int kilobytes);
    QString text() const;
    void setText(const QString& text);

    void stepBy(int steps) override;

  protected:
    StepEnabled stepEnabled() const override;

  private:
    int position() const;

    int position_ = 0;
    QElapsedTimer held_;
    QElapsedTimer lastStep_;
};

}  // namespace sonara::gui
