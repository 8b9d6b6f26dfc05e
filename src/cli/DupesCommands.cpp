// Being written.
#include "cli/Commands.h"

namespace sonara::cli {

int runDupes(Context& context, Args&) {
    return usage(context, "dupes", "not built yet");
}

}  // namespace sonara::cli
