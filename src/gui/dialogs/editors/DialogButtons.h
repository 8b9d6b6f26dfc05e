#pragma once

class QDialog;

namespace sonara::gui {

struct SkinContext;
class SkinCaptionButton;

// "OK" (the default button) and "Cancel", children of `dialog`, which they
// accept and reject.
struct OkCancelButtons {
    SkinCaptionButton* ok;
    SkinCaptionButton* cancel;
};
OkCancelButtons makeOkCancel(SkinContext& context, QDialog* dialog);
// Their strip rows; again after each skin change.
void skinOkCancel(const OkCancelButtons& buttons);

}  // namespace sonara::gui
