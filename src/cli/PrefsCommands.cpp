#include <cstdio>
#include <string>
#include <vector>

#include "cli/CommandTable.h"
#include "cli/Commands.h"
#include "core/settings/PreferenceStore.h"

namespace sonara::cli {

namespace {

// The forms are in the command table.
constexpr const char* kUsageLine = "prefs";

}  // namespace

int runPrefs(Context& context, Args& args) {
    const auto operands = operandsFor(context, args, kUsageLine);
    if (!operands) {
        return kUsage;
    }
    const std::vector<std::string>& words = *operands;
    PreferenceStore& prefs = context.prefs();
    const std::string& verb = words[0];
    if (verb == "list" && words.size() == 1) {
        for (const auto& value : prefs.list()) {
            std::fprintf(context.out(), "%s=%s\n", value.name.c_str(), value.text.c_str());
        }
        return kSuccess;
    }
    if (verb == "get" && words.size() == 2) {
        const Result<std::string> value = prefs.getByName(words[1]);
        if (!value) {
            return usage(context, kUsageLine, value.error());
        }
        std::fprintf(context.out(), "%s\n", value->c_str());
        return kSuccess;
    }
    if (verb == "set" && words.size() == 3) {
        // A bad name or value is the caller's mistake; a failed save is ours.
        if (const Status valid = prefs.setByName(words[1], words[2]); !valid) {
            return usage(context, kUsageLine, valid.error());
        }
        if (const Status folders = context.paths().ensureFolders(); !folders) {
            context.report(folders.error());
            return kFailure;
        }
        const Status set = prefs.setByNameAndSave(words[1], words[2]);
        if (!set) {
            context.report(set.error());
            return kFailure;
        }
        return kSuccess;
    }
    return usage(context, kUsageLine);
}

}  // namespace sonara::cli
