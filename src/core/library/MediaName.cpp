#include "core/library/MediaName.h"

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/io/Text.h"
#include "core/library/SourcesList.h"

namespace sonara {

std::string mediaNameProblem(const std::string& typed, const std::string& initial, bool required,
                             const SourcesList& sources) {
    if (typed.empty()) {
        return required ? stringText(TextId::MediaNameRequired) : "";
    }
    if (!text::equalsNoCase(typed, initial) && sources.hasMediaName(typed)) {
        return stringText(TextId::MediaNameExists);
    }
    return "";
}

std::optional<std::string> askRemovableMediaName(Prompter& prompter, const std::string& initial,
                                                 bool required, const SourcesList& sources) {
    return prompter.askMediaName(initial, [&](const std::string& typed) {
        return mediaNameProblem(typed, initial, required, sources);
    });
}

}  // namespace sonara
