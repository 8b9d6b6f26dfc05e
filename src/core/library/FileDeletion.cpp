#include "core/library/FileDeletion.h"

#include <cstdio>

#include "core/app/Prompter.h"
#include "core/io/FileAttributes.h"

namespace sonara {

bool deleteFileFromDisk(const std::string& path, Prompter& prompter) {
    if (!files::exists(path)) {
        prompter.message("Unable to find " + path);
        return false;
    }
    if (files::isReadOnly(path)) {
        const Answer answer =
            prompter.ask(path + " is readonly.  Delete this file anyway?", Buttons::YesNoCancel);
        if (answer != Answer::Yes || !files::makeWritable(path)) {
            prompter.message("Unable to change file attributes, it may be on read-only media");
            return false;
        }
    }
    if (std::remove(path.c_str()) != 0) {
        prompter.message("Unable to delete file, it may be on read-only media");
        return false;
    }
    return true;
}

}  // namespace sonara
