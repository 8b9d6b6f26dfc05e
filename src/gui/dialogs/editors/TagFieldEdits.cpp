#include "gui/dialogs/editors/TagFieldEdits.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>

#include "core/metadata/GenrePicker.h"
#include "gui/skin/SkinLabel.h"

namespace sonara::gui {

QLineEdit* addLabelledRow(SkinContext& context, QWidget* parent, QGridLayout& grid, int row,
                          const QString& label, QWidget* field) {
    auto* edit = field == nullptr ? new QLineEdit(parent) : nullptr;
    grid.addWidget(new SkinLabel(context, label, parent), row, 0);
    grid.addWidget(field != nullptr ? field : edit, row, 1);
    return edit;
}

QComboBox* makeGenreCombo(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    const GenrePicker all{GenrePickerSettings{}};
    QStringList names;
    for (size_t row = 0; row < all.count(); ++row) {
        names << QString::fromStdString(all.name(row));
    }
    // The table names one genre twice; a name list needs it once.
    names.removeDuplicates();
    combo->addItems(names);
    combo->setCurrentIndex(-1);
    combo->setMinimumContentsLength(16);
    return combo;
}

TagFieldEdits::TagFieldEdits(SkinContext& context, QWidget* parent, QGridLayout& grid, int row) {
    title = addLabelledRow(context, parent, grid, row, QObject::tr("Title"));
    artist = addLabelledRow(context, parent, grid, row + 1, QObject::tr("Artists"));
    album = addLabelledRow(context, parent, grid, row + 2, QObject::tr("Album"));
    year = addLabelledRow(context, parent, grid, row + 3, QObject::tr("Year"));
    year->setMaxLength(4);
    genre = makeGenreCombo(parent);
    addLabelledRow(context, parent, grid, row + 4, QObject::tr("Genre"), genre);
    comment = addLabelledRow(context, parent, grid, row + 5, QObject::tr("Comments"));
}

void TagFieldEdits::show(const TagFields& fields) {
    title->setText(QString::fromStdString(fields.title));
    artist->setText(QString::fromStdString(fields.artist));
    album->setText(QString::fromStdString(fields.album));
    year->setText(QString::fromStdString(fields.year));
    genre->setCurrentText(QString::fromStdString(fields.genre));
    comment->setText(QString::fromStdString(fields.comment));
}

TagFields TagFieldEdits::fields() const {
    TagFields fields;
    fields.title = title->text().toStdString();
    fields.artist = artist->text().toStdString();
    fields.album = album->text().toStdString();
    fields.year = year->text().toStdString();
    fields.genre = genre->currentText().toStdString();
    fields.comment = comment->text().toStdString();
    return fields;
}

}  // namespace sonara::gui
