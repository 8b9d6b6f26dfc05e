// Being written.
#include "cli/Commands.h"

namespace sonara::cli {

int runBackup(Context& context, Args&) {
    return usage(context, "backup [DIR]", "not built yet");
}
int runRestore(Context& context, Args&) {
    return usage(context, "restore DIR", "not built yet");
}

}  // namespace sonara::cli
