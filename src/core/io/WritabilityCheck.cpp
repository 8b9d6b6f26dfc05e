#include "core/io/WritabilityCheck.h"

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/io/FileAttributes.h"

namespace sonara {

bool checkWritable(const std::string& path, Prompter& prompter) {
    if (!files::exists(path) || !files::isReadOnly(path)) {
        return true;
    }
    if (prompter.ask(formatText(TextId::RemoveReadOnlyQuestion, path), Buttons::YesNo) !=
        Answer::Yes) {
        return false;
    }
    return files::makeWritable(path) && !files::isReadOnly(path);
}

}  // namespace sonara
