#pragma once

#include <functional>
#include <optional>

#include "gui/skin/SkinDialog.h"

class QStandardItemModel;

namespace sonara {
class Top100Chart;
}

namespace sonara::gui {

class SkinCaptionButton;
class SkinListCtrl;

// "Top 100 Chart": the most requested library songs, ranked, with "Add"
// (queue the selected song and close), a double click (queue it and say
// so), "Clear" (reset every play count after asking) and "Close". The chart
// is built when the dialog is made. Borrows `chart`, whose library must stay
// unchanged while the dialog is open; user-interface thread only.
class Top100Dialog : public SkinDialog {
    Q_OBJECT
  public:
    // `onCleared` runs after the play counts were reset (the caller saves).
    Top100Dialog(SkinContext& context, Top100Chart& chart, std::function<void()> onCleared,
                 QWidget* parent = nullptr);
    ~Top100Dialog() override;

    SkinListCtrl* list() const { return list_; }
    QStandardItemModel* model() const { return model_; }
    SkinCaptionButton* addButton() const { return add_; }
    SkinCaptionButton* clearButton() const { return clear_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void skinChanged() override;

  private:
    void fill();
    void fitColumns();
    std::optional<size_t> selectedRow() const;
    void addSelected();
    void addRow(size_t row);
    void clearCounts();

    Top100Chart& chart_;
    std::function<void()> onCleared_;
    SkinListCtrl* list_;
    QStandardItemModel* model_;
    SkinCaptionButton* add_;
    SkinCaptionButton* clear_;
    SkinCaptionButton* close_;
};

}  // namespace sonara::gui
