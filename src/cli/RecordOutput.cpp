#include "cli/RecordOutput.h"

#include <cstdio>

#include "core/library/LibraryRecord.h"
#include "core/metadata/Normaliser.h"

namespace sonara::cli {

namespace {

std::string lengthText(int32_t seconds) {
    char buffer[32];
    if (seconds < 0) {
        seconds = 0;
    }
    std::snprintf(buffer, sizeof buffer, "%d:%02d", seconds / 60, seconds % 60);
    return buffer;
}

}  // namespace

std::string recordLine(const LibraryRecord& r, const NormaliseOptions& options) {
    return std::string(r.fileName()) + "\t" + r.displayArtist(options) + "\t" +
           r.displayTitle(options) + "\t" + r.displayAlbum(options) + "\t" +
           lengthText(r.lengthSeconds) + "\t" + std::to_string(r.playCount);
}

void writeRecordJson(JsonWriter& json, const LibraryRecord& r, const NormaliseOptions& options) {
    json.beginObject();
    json.field("fileName", r.fileName());
    json.field("mediaName", r.mediaName());
    json.field("playCount", r.playCount);
    json.field("availability", r.availability);
    json.field("genre", r.genre());
    json.field("comment", r.comment());
    json.field("lengthSeconds", r.lengthSeconds);
    json.field("title", r.title());
    json.field("artist", r.artist());
    json.field("reserved", r.reserved());
    json.field("tagTitle", r.tagTitle());
    json.field("tagArtist", r.tagArtist());
    json.field("tagAlbum", r.tagAlbum());
    json.field("displayTitle", r.displayTitle(options));
    json.field("displayArtist", r.displayArtist(options));
    json.field("displayAlbum", r.displayAlbum(options));
    json.endObject();
}

void printRecords(std::FILE* out, const std::vector<LibraryRecord*>& records, bool asJson,
                  const NormaliseOptions& options) {
    if (asJson) {
        JsonWriter json;
        json.beginArray();
        for (const LibraryRecord* r : records) {
            writeRecordJson(json, *r, options);
        }
        json.endArray();
        std::fprintf(out, "%s\n", json.str().c_str());
        return;
    }
    for (const LibraryRecord* r : records) {
        std::fprintf(out, "%s\n", recordLine(*r, options).c_str());
    }
}

}  // namespace sonara::cli
