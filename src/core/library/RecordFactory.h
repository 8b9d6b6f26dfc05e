#pragma once

#include <memory>
#include <string>

#include "core/library/LibraryRecord.h"

namespace sonara {

class LengthProbe;

// Builds library records from audio files: the tag block at the file's end
// (or, for a file without one, its ID3v2 tag when `useId3v2Tags` is set),
// the artist and title guessed from the file name, and the play length from
// the probe (whole seconds; 0 when the probe cannot tell or is absent).
// Runs once for every new file of a scan, so it opens each file once for
// its tags and leaves the rest to the probe.
class RecordFactory {
  public:
    RecordFactory(LengthProbe* probe, bool useId3v2Tags)
        : probe_(probe), useId3v2Tags_(useId3v2Tags) {}

    // Never fails for a file that cannot be read: such a file gets a record
    // with its file-name values only. nullptr only when memory runs out.
    std::unique_ptr<LibraryRecord> create(const std::string& path, const std::string& mediaName);

  private:
    LengthProbe* probe_;
    bool useId3v2Tags_;
};

}  // namespace sonara
