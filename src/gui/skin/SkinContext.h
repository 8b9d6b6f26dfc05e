#pragma once

namespace sonara {
class PreferenceStore;
}

namespace sonara::gui {

class SkinRecord;

// What a skinned window needs from the application: the skin it draws from
// and the preferences it reads ("ShowTips", "DlgEffects", "ScrollTitle",
// list layouts). Both outlive every window.
struct SkinContext {
    SkinRecord& skin;
    PreferenceStore& prefs;
};

}  // namespace sonara::gui
