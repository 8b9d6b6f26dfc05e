#include "cli/Commands.h"

namespace sonara::cli {

int runToWav(Context& context, Args&) {
    return usage(context, "towav --dest DIR [--jobs N] FILE...", "towav is not built yet");
}

}  // namespace sonara::cli
