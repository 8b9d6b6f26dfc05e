#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace sonara::bench {

// A synthetic music collection in a temporary folder, removed with the
// object: short songs (1.5 to 3 s, 32 to 80 kbit/s, so that thousands stay
// small) in folders of 100, named "Artist - Title.mp3". Mostly ID3v1-tagged,
// some with an ID3v2 tag only, a few untagged; three in ten VBR with a Xing
// header, the rest CBR.
class BenchCorpus {
  public:
    explicit BenchCorpus(int songs);

    const std::vector<std::string>& paths() const { return paths_; }
    // The folder that holds the whole collection.
    const std::filesystem::path& root() const { return dir_.path(); }
    uint64_t totalBytes() const { return totalBytes_; }
    // How many songs carry each kind of tag, and how many are VBR.
    int id3v1Songs() const { return id3v1_; }
    int id3v2Songs() const { return id3v2_; }
    int vbrSongs() const { return vbr_; }

  private:
    testing::TempDir dir_;
    std::vector<std::string> paths_;
    uint64_t totalBytes_ = 0;
    int id3v1_ = 0;
    int id3v2_ = 0;
    int vbr_ = 0;
};

// The least any scan must do: open each file of the corpus and read its
// head (4 KiB) and tail (the 359 bytes of the tag blocks). The physical
// limit the scan figures are measured against.
void readHeadsAndTails(const BenchCorpus& corpus);

}  // namespace sonara::bench
