#include "core/tools/ToolFolders.h"

#include <utility>

#include "core/app/StringTable.h"
#include "core/io/FileAttributes.h"
#include "core/library/SourcesList.h"

namespace sonara {

std::vector<std::string> sourceFolders(const SourcesList& sources) {
    std::vector<std::string> folders;
    folders.reserve(sources.count());
    for (size_t i = 0; i < sources.count(); ++i) {
        folders.push_back(sources.at(i).folder);
    }
    return folders;
}

Result<std::vector<std::string>> pickedFolders(const std::vector<std::string>& picked) {
    std::vector<std::string> folders;
    folders.reserve(picked.size());
    for (const std::string& folder : picked) {
        if (!files::isDirectory(folder)) {
            return Result<std::vector<std::string>>::failure(
                ErrorKind::Absent, formatText(TextId::UnableToFindNamed, folder));
        }
        folders.push_back(files::withTrailingSlash(folder));
    }
    return folders;
}

Status StartFolders::usePicked(const std::vector<std::string>& picked) {
    Result<std::vector<std::string>> folders = pickedFolders(picked);
    if (!folders) {
        return folders.status();
    }
    folders_ = std::move(folders.value());
    return Status::success();
}

}  // namespace sonara
