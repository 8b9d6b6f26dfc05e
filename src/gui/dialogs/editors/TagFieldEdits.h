#pragma once

#include <QString>

#include "core/tools/editing/TagFields.h"

class QComboBox;
class QGridLayout;
class QLineEdit;
class QWidget;

namespace sonara::gui {

struct SkinContext;

// A label and `field` in `row` of `grid`; without a field, a new line edit,
// which is returned.
QLineEdit* addLabelledRow(SkinContext& context, QWidget* parent, QGridLayout& grid, int row,
                          const QString& label, QWidget* field = nullptr);

// An editable genre list: the genre table's names, sorted, any text typed.
QComboBox* makeGenreCombo(QWidget* parent);

// The tag's six fields as edits, laid out as labelled rows of a grid from
// `row` on. The widgets belong to `parent`; this only points at them.
class TagFieldEdits {
  public:
    TagFieldEdits(SkinContext& context, QWidget* parent, QGridLayout& grid, int row);

    void show(const TagFields& fields);
    TagFields fields() const;

    QLineEdit* title;
    QLineEdit* artist;
    QLineEdit* album;
    QLineEdit* year;
    QComboBox* genre;
    QLineEdit* comment;
};

}  // namespace sonara::gui
