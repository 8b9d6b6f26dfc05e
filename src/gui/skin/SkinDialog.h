#pragma once

#include <QDialog>
#include <QRect>
#include <QSize>
#include <QTimer>
#include <optional>

#include "core/settings/PreferenceStore.h"
#include "gui/skin/SkinContext.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui {

// The base of every skinned window: paints the skin background (tiled or
// stretched), gives the standard child controls the skin's colours over it,
// and can grow open from 2 × 2 and shrink shut.
class SkinDialog : public QDialog {
    Q_OBJECT
  public:
    // `noEffects` false leaves the choice to "DlgEffects".
    explicit SkinDialog(SkinContext& context, QWidget* parent = nullptr, bool noEffects = false);
    ~SkinDialog() override;

    SkinContext& context() const { return context_; }

    // Skin bitmap behind the dialog: 8 (dialog background) unless set; the
    // main window uses 7.
    void setBackgroundIndex(int index);
    int backgroundIndex() const { return backgroundIndex_; }
    // Area in which bitmap 12 is stretched over the background.
    void setPlayerBackgroundRect(std::optional<QRect> area);
    void setButtonsOpaque(bool opaque);
    void setStaticsInListColours(bool on);
    void setListsInListColours(bool on);

    // Gives the child controls the colours they take from the skin; runs when
    // the dialog is shown and the skin changes, and again by dialogs that add
    // controls later.
    void applyControlColours();

    bool effectsOn() const { return effects_; }
    // The open or close animation, for tests: whether one runs, its current
    // width and height steps, the full window rectangle, and one timer tick.
    bool isAnimating() const { return growTimer_.isActive() || shrinkTimer_.isActive(); }
    bool isGrowing() const { return growTimer_.isActive(); }
    bool isShrinking() const { return shrinkTimer_.isActive(); }
    QSize animationSteps() const { return steps_; }
    QRect fullRect() const { return fullRect_; }
    void stepAnimation();

  public slots:
    void accept() override;
    void reject() override;

  protected:
    // Takes the values from the controls before OK closes the dialog; false
    // keeps it open.
    virtual bool validate() { return true; }
    // Called after the skin changed, once the dialog's own parts are redone.
    virtual void skinChanged() {}

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void growStep();
    void shrinkStep();
    void startShrink(int result);
    void setCentredSize(QSize size);
    void freeLayoutSize(bool freed);

    SkinContext& context_;
    int backgroundIndex_;
    std::optional<QRect> playerBackground_;
    bool buttonsOpaque_ = false;
    bool staticsInListColours_ = false;
    bool listsInListColours_ = true;
    bool effects_;
    bool shownOnce_ = false;
    int closeResult_ = Rejected;
    QRect fullRect_;
    QSize steps_;
    QSize savedMinimum_;
    int savedConstraint_ = -1;
    QTimer growTimer_;
    QTimer shrinkTimer_;
};

}  // namespace sonara::gui
