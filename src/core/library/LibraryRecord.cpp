#include "core/library/LibraryRecord.h"

#include "core/io/ArchiveReader.h"
#include "core/io/ArchiveWriter.h"
#include "core/metadata/Normaliser.h"

namespace sonara {

std::string LibraryRecord::displayTitle(const NormaliseOptions& options) const {
    const bool useTag = options.useTagInfo && hasTagTitleAndArtist();
    return normalise(useTag ? tagTitle : title, options);
}

std::string LibraryRecord::displayArtist(const NormaliseOptions& options) const {
    const bool useTag = options.useTagInfo && hasTagTitleAndArtist();
    return normalise(useTag ? tagArtist : artist, options);
}

std::string LibraryRecord::displayAlbum(const NormaliseOptions& options) const {
    return normalise(tagAlbum, options);
}

void LibraryRecord::write(ArchiveWriter& out) const {
    out.writeString(fileName);
    out.writeString(mediaName);
    out.writeInt32(playCount);
    out.writeInt32(availability);
    out.writeString(genre);
    out.writeString(comment);
    out.writeInt32(lengthSeconds);
    out.writeString(tagTitle);
    out.writeString(tagArtist);
    out.writeString(tagAlbum);
    out.writeString(title);
    out.writeString(artist);
    out.writeString(reserved);
}

bool LibraryRecord::read(ArchiveReader& in) {
    deleteMark = 0;
    return in.readString(fileName) && in.readString(mediaName) && in.readInt32(playCount) &&
           in.readInt32(availability) && in.readString(genre) && in.readString(comment) &&
           in.readInt32(lengthSeconds) && in.readString(tagTitle) && in.readString(tagArtist) &&
           in.readString(tagAlbum) && in.readString(title) && in.readString(artist) &&
           in.readString(reserved);
}

}  // namespace sonara
