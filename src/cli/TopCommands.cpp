// Being written.
#include "cli/Commands.h"

namespace sonara::cli {

int runTop(Context& context, Args&) {
    return usage(context, "top [--json] | top add RANK | top clear", "not built yet");
}

}  // namespace sonara::cli
