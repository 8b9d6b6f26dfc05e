// Being written.
#include "cli/Commands.h"

namespace sonara::cli {

int runRename(Context& context, Args&) {
    return usage(context, "rename [--sources | FOLDER...] [--apply]", "not built yet");
}

}  // namespace sonara::cli
