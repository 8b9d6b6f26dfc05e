#pragma once

#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "core/settings/PreferenceStore.h"
#include "gui/skin/SkinContext.h"
#include "gui/skin/SkinRecord.h"

namespace sonara::gui::test {

// A skin put together in memory and preferences in a temporary folder, with
// HOME and the XDG folders pointed there too.
class SkinWidgetFixture {
  public:
    SkinWidgetFixture();

    QString path(const QString& name) const { return dir_.filePath(name); }
    PreferenceStore& prefs() { return *prefs_; }
    SkinRecord& skin() { return skin_; }
    SkinContext& context() { return context_; }

  private:
    QTemporaryDir dir_;
    std::unique_ptr<PreferenceStore> prefs_;
    SkinRecord skin_;
    SkinContext context_;
};

// A button strip of five state columns and `rows` rows, each cell one solid
// colour, `colour(column, row)`.
QImage makeStrip(QSize cell, int rows, const std::function<QColor(int, int)>& colour);
QImage solidImage(QSize size, QColor colour);

// The colour of the cell at (column, row) of strips made by the tests: easy
// to tell apart and never black, white or the test backgrounds.
QColor cellColour(int column, int row);

}  // namespace sonara::gui::test
