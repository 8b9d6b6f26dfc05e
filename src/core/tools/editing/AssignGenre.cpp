#include "core/tools/editing/AssignGenre.h"

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/library/LibraryRecord.h"
#include "core/library/LocateRecordFile.h"
#include "core/metadata/GenreTable.h"
#include "core/metadata/TagCharacters.h"
#include "core/metadata/TagRecord.h"

namespace sonara {

AssignGenreResult assignGenre(const std::string& name, const std::vector<LibraryRecord*>& records,
                              const PathCache& cache, SourcesList& sources, Prompter& prompter) {
    AssignGenreResult result;
    const std::optional<int> index = genres::indexOf(name);
    if (!index) {
        return result;
    }
    result.known = true;
    const std::string& spelled = genres::name(*index);
    std::string refusal;  // the first refused file's message
    for (LibraryRecord* record : records) {
        record->setGenre(spelled);
        const auto path = locateRecordFile(*record, cache, sources, nullptr);
        if (!path) {
            ++result.notFound;
            continue;
        }
        TagRecord tag(*path);
        tag.read();  // without a tag every text stays blank
        tag.setGenre(*index);
        // A text from another tagger that ISO-8859-1 cannot hold would be
        // rewritten as "?": that tag keeps its old genre.
        if (Status status = checkTagCharacters(tag); !status) {
            if (result.refused++ == 0) {
                refusal = *path + ": " + status.error();
            }
        } else if (tag.write()) {
            ++result.tagsWritten;
        } else {
            ++result.writeFailures;
        }
    }
    // One message for the whole selection, not one box per file.
    if (result.writeFailures > 0) {
        prompter.message(stringText(TextId::TagWriteFailed), Icon::Exclamation);
    }
    if (result.refused > 0) {
        prompter.message(refusal, Icon::Exclamation);
    }
    return result;
}

}  // namespace sonara
