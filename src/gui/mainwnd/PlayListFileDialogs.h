#pragma once

#include <QPointer>
#include <QString>

#include "core/mainwnd/PlayListCommands.h"

class QWidget;

namespace sonara::gui {

// The standard open and save dialogs for play lists, modal over `parent`,
// starting in `folder`. User-interface thread.
class PlayListFileDialogs final : public PlayListFileChooser {
  public:
    PlayListFileDialogs(QWidget* parent, QString folder);

    std::optional<std::string> fileToOpen() override;
    std::optional<std::string> fileToSave(const std::string& proposed) override;

  private:
    QPointer<QWidget> parent_;
    QString folder_;
};

}  // namespace sonara::gui
