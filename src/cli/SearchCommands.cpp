// search, letter, values: being written.
#include "cli/Commands.h"

namespace sonara::cli {

int runSearch(Context& context, Args&) {
    return usage(context, "search", "not built yet");
}
int runLetter(Context& context, Args&) {
    return usage(context, "letter", "not built yet");
}
int runValues(Context& context, Args&) {
    return usage(context, "values", "not built yet");
}

}  // namespace sonara::cli
