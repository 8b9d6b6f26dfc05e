#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/io/Result.h"

namespace sonara {

class ArchiveReader;
class ArchiveWriter;
class Prompter;

enum class LoadOutcome {
    Missing,  // no such file, or it cannot be opened: the structure is unchanged
    Loaded,   // read whole
    Damaged,  // read up to the damage; what came before it was kept
};

// Reads a binary data file through `parse`, which returns false when the
// input ended early or was damaged. A damaged file is first copied to
// "<path>.damaged", so the part that could not be read is not lost when the
// file is next saved.
LoadOutcome loadDataFile(const std::string& path, const std::function<bool(ArchiveReader&)>& parse);

// The same for a parse that keeps views of the file's bytes: the whole file
// is read into one buffer, handed over to `parse` with its size. A file
// larger than `wholeLimit` is read through `streamingParse` instead, so a
// huge file never needs its size in memory at once.
LoadOutcome loadWholeDataFile(
    const std::string& path, uint64_t wholeLimit,
    const std::function<bool(std::unique_ptr<char[]> bytes, size_t size)>& parse,
    const std::function<bool(ArchiveReader&)>& streamingParse);

// Saves a binary data file: the writability check (which may ask the user),
// then `write` into a temporary file that replaces the old one only when
// every byte reached the disk.
Status saveDataFile(const std::string& path, Prompter& prompter,
                    const std::function<void(ArchiveWriter&)>& write);

// Copies `path` to "<path>.damaged", replacing an older copy.
void keepDamagedCopy(const std::string& path);

}  // namespace sonara
