#pragma once

#include "core/app/TextId.h"
#include "core/mainwnd/ControlId.h"
#include "core/mainwnd/ViewMode.h"

namespace sonara {

struct Preferences;

// The preferences that decide, beside the view, which controls are shown.
struct ViewControlOptions {
    bool builtInPlayer = true;   // "UseAsDefaultPlayer" = 1
    bool largeSpectrum = false;  // "VisualLargeSpectrum"
    bool smallSpectrum = false;  // "VisualSmallSpectrum"
    bool shortLevels = false;    // "VisualShortLevels"
    bool tallLevels = false;     // "VisualTallLevels"

    static ViewControlOptions fromPreferences(const Preferences& preferences);
};

enum class ControlState { Hidden, Shown, ShownDisabled };

// How the view shows the control. Controls that only anchor other controls
// in the layout (the file-description anchor 1082, the "Eq" and "Vol"
// buttons, the unused statics, the touch-screen buttons of the template and
// the display timer) are hidden in every view.
ControlState controlState(ViewMode view, ControlId control, const ViewControlOptions& options);

// The play-list label's text: view 6 names its work space.
TextId playListLabelText(ViewMode view);

}  // namespace sonara
