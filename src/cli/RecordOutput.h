#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "cli/Json.h"

namespace sonara {
class LibraryRecord;
struct NormaliseOptions;
}  // namespace sonara

namespace sonara::cli {

// Library records as the commands that list them print them: a line of file
// name, display artist, title and album, length and play count separated by
// tabs, or with --json an array of objects named after the record's fields.
std::string recordLine(const LibraryRecord& record, const NormaliseOptions& options);
void writeRecordJson(JsonWriter& json, const LibraryRecord& record,
                     const NormaliseOptions& options);
// Every record in `records`, one line each or one JSON array, on `out`.
void printRecords(std::FILE* out, const std::vector<LibraryRecord*>& records, bool asJson,
                  const NormaliseOptions& options);

}  // namespace sonara::cli
