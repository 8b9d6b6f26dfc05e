#pragma once

#include <memory>
#include <string>

#include "core/library/LibraryRecord.h"

namespace sonara::testing {

// A record with the texts that tests set; everything else keeps
// LibraryRecord's defaults. `album` is the tag album, the one the list shows.
inline std::unique_ptr<LibraryRecord> makeRecord(const std::string& fileName,
                                                 const std::string& artist = {},
                                                 const std::string& title = {},
                                                 const std::string& album = {},
                                                 const std::string& genre = {}) {
    auto r = std::make_unique<LibraryRecord>();
    r->setFileName(fileName);
    r->setArtist(artist);
    r->setTitle(title);
    r->setTagAlbum(album);
    r->setGenre(genre);
    return r;
}

}  // namespace sonara::testing
