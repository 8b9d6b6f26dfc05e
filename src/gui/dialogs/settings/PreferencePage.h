#pragma once

#include <QWidget>
#include <utility>
#include <vector>

#include "core/io/Result.h"
#include "core/settings/Preferences.h"
#include "gui/skin/SkinContext.h"

class QAbstractButton;
class QBoxLayout;
class QCheckBox;
class QRadioButton;
class QVBoxLayout;

namespace sonara::gui {

class SkinLabel;

// One page of the preferences: its controls filled from a copy of the
// values and written back into one. Check boxes and radio buttons carry no
// text; a skinned label beside each does, and a click on it clicks the
// button. User-interface thread only.
class PreferencePage : public QWidget {
    Q_OBJECT
  public:
    PreferencePage(SkinContext& context, QWidget* parent);

    // The bound check boxes, then whatever the page adds.
    virtual void load(const Preferences& values);
    // Whether the controls hold values the page can store; the failure's
    // text is the message to show.
    virtual Status validate() const { return Status::success(); }
    // Only the values this page owns are written.
    virtual void store(Preferences& values) const;
    // The control a failed validation puts the focus on.
    virtual QWidget* invalidField() const { return nullptr; }

  protected:
    SkinContext& context() const { return context_; }
    // A framed group in `layout`; its own layout for the rows.
    QVBoxLayout* addGroup(QBoxLayout* layout, const QString& title);
    // A check box for `field` ("1" checked) with its label, in `layout`.
    QCheckBox* addCheck(QBoxLayout* layout, const QString& text, int Preferences::*field);
    QRadioButton* addRadio(QBoxLayout* layout, const QString& text);
    // The label beside a button made by addCheck or addRadio.
    static SkinLabel* labelOf(const QAbstractButton* button);
    // Enables the button with its label.
    static void enableRow(QAbstractButton* button, bool enabled);
    // The line over the Playback and Visualization pages.
    void addHeading(QVBoxLayout* layout);

  private:
    void addRow(QBoxLayout* layout, QAbstractButton* button, const QString& text);

    SkinContext& context_;
    std::vector<std::pair<QCheckBox*, int Preferences::*>> checks_;
};

}  // namespace sonara::gui
