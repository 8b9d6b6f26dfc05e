#include "BenchCorpus.h"

#include <filesystem>

#include "support/Mp3Fixture.h"

namespace sonara::bench {

BenchCorpus::BenchCorpus(int songs) {
    static constexpr int kBitrates[] = {32, 40, 48, 56, 64, 80};
    for (int i = 0; i < songs; ++i) {
        const std::filesystem::path folder = dir_.path() / ("Folder " + std::to_string(i / 100));
        if (i % 100 == 0) {
            std::filesystem::create_directories(folder);
        }
        const std::string artist = "Artist " + std::to_string(i % 397);
        const std::string title = "Song Title " + std::to_string(i);
        const std::string album = "Album " + std::to_string(i % 211);

        testing::Mp3Spec spec;
        spec.bitrateKbps = kBitrates[i % 6];
        spec.seconds = 1.5 + (i % 7) * 0.25;
        if (i % 10 < 3) {
            spec.vbr = testing::Mp3Spec::Vbr::Xing;
            ++vbr_;
        }
        const int kind = i % 25;
        if (kind < 21) {
            spec.tail = testing::id3v1Block(title, artist, album, "1999", "bench", uint8_t(i % 80));
            ++id3v1_;
        } else if (kind < 24) {
            spec.head = testing::id3v2Block(title, artist, album, 256);
            ++id3v2_;
        }
        const std::string path = (folder / (artist + " - " + title + ".mp3")).string();
        const std::vector<uint8_t> bytes = testing::makeMp3(spec);
        testing::writeBytes(path, bytes);
        totalBytes_ += bytes.size();
        paths_.push_back(path);
    }
}

}  // namespace sonara::bench
