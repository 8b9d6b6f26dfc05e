#pragma once

#include "core/shell/LaunchCommand.h"

namespace sonara::gui {

// Starts outside players with QProcess::startDetached: no shell, each
// argument passed as it is; the program lives on after Sonara ends.
class QtProcessLauncher final : public ProcessLauncher {
  public:
    Status startDetached(const std::vector<std::string>& argv) override;
};

}  // namespace sonara::gui
