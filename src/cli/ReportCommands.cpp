// Being written.
#include "cli/Commands.h"

namespace sonara::cli {

int runReport(Context& context, Args&) {
    return usage(context, "report", "not built yet");
}

}  // namespace sonara::cli
