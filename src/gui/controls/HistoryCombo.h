#pragma once

#include <QComboBox>
#include <QString>

#include "core/io/Result.h"
#include "gui/skin/SkinContext.h"

namespace sonara::gui {

// An editable combo box that remembers what was entered, newest first, in a
// preference-file section of its owner's choosing (keys "#0", "#1", ...).
// The drop-down list takes the skin's list colours.
class HistoryCombo : public QComboBox {
    Q_OBJECT
  public:
    static constexpr int kDefaultMaximum = 10;

    explicit HistoryCombo(SkinContext context, QWidget* parent = nullptr);

    void setSection(const QString& section) { section_ = section; }
    const QString& section() const { return section_; }
    // At least one entry; a smaller list is cut at once.
    void setMaximum(int maximum);
    int maximum() const { return maximum_; }

    // Replaces the list with the stored entries; with `selectFirst` the
    // newest one is shown in the edit field, else the field is left empty.
    void load(bool selectFirst = false);
    // Puts the edit text, trimmed, at the top (moving it if already listed) and shows
    // it; blank text is ignored. Entries past the maximum are dropped.
    void addCurrentText();
    // Writes the entries; stale keys of the section are removed, so a
    // shorter list does not bring old entries back on the next load.
    Status save() const;

    QStringList entries() const;

  protected:
    bool event(QEvent* event) override;

  private:
    void applySkinColours();
    void trimToMaximum();

    SkinContext context_;
    QString section_;
    int maximum_ = kDefaultMaximum;
};

}  // namespace sonara::gui
