// Being written.
#include "cli/Commands.h"

namespace sonara::cli {

int runWizardSearch(Context& context, Args&) {
    return usage(context, "wizard-search [--network] [--add] [MOUNT...]", "not built yet");
}

}  // namespace sonara::cli
