#include "core/library/FileDeletion.h"

#include <cstdio>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/io/FileAttributes.h"

namespace sonara {

bool deleteFileFromDisk(const std::string& path, Prompter& prompter) {
    if (!files::exists(path)) {
        prompter.message(formatText(TextId::UnableToFindNamed, path));
        return false;
    }
    if (files::isReadOnly(path)) {
        const Answer answer =
            prompter.ask(formatText(TextId::DeleteReadOnlyQuestion, path), Buttons::YesNoCancel);
        if (answer != Answer::Yes || !files::makeWritable(path)) {
            prompter.message(stringText(TextId::AttributesNotChanged));
            return false;
        }
    }
    if (std::remove(path.c_str()) != 0) {
        prompter.message(stringText(TextId::DeleteFailedReadOnlyMedia));
        return false;
    }
    return true;
}

}  // namespace sonara
