#include "core/metadata/TagCharacters.h"

#include <utility>

#include "core/app/StringTable.h"
#include "core/io/Characters.h"
#include "core/io/Text.h"
#include "core/metadata/TagRecord.h"

namespace sonara {

namespace {

// ASCII, or a two-byte sequence of U+0080..U+00FF.
bool fitsLatin1(std::string_view character) {
    const auto lead = static_cast<unsigned char>(character[0]);
    if (character.size() == 1) {
        return lead < 0x80;
    }
    return character.size() == 2 && (lead == 0xC2 || lead == 0xC3);
}

}  // namespace

std::string charactersOutsideLatin1(std::string_view utf8) {
    std::string listed;
    std::string seen;  // each listed character followed by a zero byte
    while (!utf8.empty()) {
        const std::string_view character = text::firstCharacter(utf8);
        utf8.remove_prefix(character.size());
        if (fitsLatin1(character)) {
            continue;
        }
        const std::string_view shown =
            text::isValidUtf8(character) ? character : std::string_view("\xEF\xBF\xBD");
        const std::string key = std::string(shown) + '\0';
        if (seen.find(key) != std::string::npos) {
            continue;
        }
        seen += key;
        listed += listed.empty() ? "" : ", ";
        listed += shown;
    }
    return listed;
}

Status checkTagCharacters(const TagRecord& tag) {
    const std::pair<TextId, const std::string*> fields[] = {
        {TextId::TitleFieldName, &tag.title},
        {TextId::ArtistFieldName, &tag.artist},
        {TextId::AlbumFieldName, &tag.album},
        {TextId::YearFieldName, &tag.year},
        {TextId::CommentFieldName, &tag.comment},
        {TextId::FreeTextGenreFieldName, &tag.freeTextGenre},
        {TextId::StartTimeFieldName, &tag.startTime},
        {TextId::EndTimeFieldName, &tag.endTime},
    };
    for (const auto& [word, value] : fields) {
        const std::string outside = charactersOutsideLatin1(*value);
        if (!outside.empty()) {
            return Status::failure(ErrorKind::Invalid, formatText(TextId::TagTextOutsideLatin1,
                                                                  stringText(word), outside));
        }
    }
    return Status::success();
}

}  // namespace sonara
