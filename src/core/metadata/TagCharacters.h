#pragma once

#include <string>
#include <string_view>

#include "core/io/Result.h"

namespace sonara {

class TagRecord;

// The characters of `utf8` that ISO-8859-1 cannot hold, each once, in the
// order they first appear, separated by ", " (empty when all fit). A byte
// that is not well-formed UTF-8 counts as one such character.
std::string charactersOutsideLatin1(std::string_view utf8);

// Invalid when a text of `tag` that a write stores holds characters the
// tag's ISO-8859-1 cannot: the message names the first such field and its
// characters. TagRecord::write() would store "?" for them, so every writer
// of texts that people typed or that came from another tagger checks first.
Status checkTagCharacters(const TagRecord& tag);

}  // namespace sonara
