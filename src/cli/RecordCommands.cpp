// Being written.
#include "cli/Commands.h"

namespace sonara::cli {

int runRecord(Context& context, Args&) {
    return usage(context, "record show|set FILENAME ...", "not built yet");
}
int runGenre(Context& context, Args&) {
    return usage(context, "genre assign NAME FILENAME...", "not built yet");
}

}  // namespace sonara::cli
