#include "cli/Commands.h"

namespace sonara::cli {

int runInfo(Context& context, Args&) { return usage(context, "info FILE", "not built yet"); }
int runPlay(Context& context, Args&) {
    return usage(context, "play [--device INDEX] FILE...", "not built yet");
}
int runDevices(Context& context, Args&) { return usage(context, "devices", "not built yet"); }
int runVolume(Context& context, Args&) {
    return usage(context, "volume | volume set VALUE", "not built yet");
}

}  // namespace sonara::cli
