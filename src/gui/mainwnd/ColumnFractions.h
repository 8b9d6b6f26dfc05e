#pragma once

#include <QTreeView>
#include <vector>

namespace sonara::gui {

// A list's column widths as shares of its visible width, kept across a view
// switch or a resize so that the columns grow and shrink with the list.
class ColumnFractions {
  public:
    void remember(const QTreeView& list);
    // Nothing before the first remember() or after the columns changed.
    void reapply(QTreeView& list) const;

  private:
    std::vector<double> fractions_;
};

}  // namespace sonara::gui
