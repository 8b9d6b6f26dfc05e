#include "BenchCorpus.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <filesystem>

#include "Stopwatch.h"
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

void readHeadsAndTails(const BenchCorpus& corpus) {
    std::array<uint8_t, 4096> buffer{};
    long long sum = 0;
    for (const std::string& path : corpus.paths()) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        struct stat st {};
        if (fd < 0 || ::fstat(fd, &st) != 0) {
            continue;
        }
        sum += ::pread(fd, buffer.data(), 4096, 0);
        sum += ::pread(fd, buffer.data(), 359, st.st_size - 359);
        ::close(fd);
    }
    gSink = gSink + sum;
}

}  // namespace sonara::bench
