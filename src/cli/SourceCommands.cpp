// sources, update, check, locate, media: being written.
#include "cli/Commands.h"

namespace sonara::cli {

int runSources(Context& context, Args&) {
    return usage(context, "sources", "not built yet");
}
int runUpdate(Context& context, Args&) {
    return usage(context, "update", "not built yet");
}
int runCheck(Context& context, Args&) {
    return usage(context, "check [--quiet]", "not built yet");
}
int runLocate(Context& context, Args&) {
    return usage(context, "locate FILENAME", "not built yet");
}
int runMedia(Context& context, Args&) {
    return usage(context, "media", "not built yet");
}

}  // namespace sonara::cli
