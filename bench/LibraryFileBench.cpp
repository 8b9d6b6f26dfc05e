#include "LibraryFileBench.h"

#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "Stopwatch.h"
#include "core/app/Prompter.h"
#include "core/library/Library.h"
#include "core/library/LibraryFile.h"
#include "support/TempDir.h"

namespace sonara::bench {

namespace {

// Saves wait for the disk, which the machine's other work shares: more runs.
constexpr int kRuns = 5;
// Loads are quick and the machine noisy: the best of more runs.
constexpr int kLoadRuns = 15;

class YesPrompter final : public Prompter {
  public:
    void message(const std::string&, Icon) override {}
    Answer ask(const std::string&, Buttons, Icon) override { return Answer::Yes; }
};

void fillLibrary(Library& library, int count) {
    static const char* kGenres[] = {"Rock", "Pop", "Jazz", "Blues", "Classical", ""};
    for (int i = 0; i < count; ++i) {
        auto r = std::make_unique<LibraryRecord>();
        r->setArtist("Artist " + std::to_string(i % 2003));
        r->setTitle("Song Title Number " + std::to_string(i));
        r->setFileName(std::string(r->artist()) + " - " + std::string(r->title()) + ".mp3");
        r->setMediaName(i % 10 == 0 ? "Disc " + std::to_string(i % 37) : "");
        r->playCount = i % 13;
        r->availability = 0;
        r->setGenre(kGenres[i % 6]);
        r->setComment(i % 3 == 0 ? "ripped 2004" : "");
        r->lengthSeconds = 120 + i % 300;
        if (i % 5 != 0) {
            r->setTagTitle(r->title());
            r->setTagArtist(r->artist());
            r->setTagAlbum("Album " + std::to_string(i % 5003));
        }
        library.append(std::move(r));
    }
}

std::vector<uint8_t> readRaw(const std::string& path) {
    std::vector<uint8_t> bytes;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (fd >= 0 && ::fstat(fd, &st) == 0) {
        bytes.resize(size_t(st.st_size));
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (got <= 0) {
                break;
            }
            done += size_t(got);
        }
    }
    if (fd >= 0) {
        ::close(fd);
    }
    return bytes;
}

// The same bytes with the same care as a save: temporary file, flush to
// disk, rename over the target.
void writeRaw(const std::string& path, const std::vector<uint8_t>& bytes) {
    const std::string temp = path + ".raw-tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return;
    }
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (put <= 0) {
            break;
        }
        done += size_t(put);
    }
    ::fsync(fd);
    ::close(fd);
    ::rename(temp.c_str(), path.c_str());
}

}  // namespace

void runLibraryFileBench(int records, ResultTable& table) {
    testing::TempDir dir;
    const std::string path = dir.file("Sonara.dat");
    const std::string rawPath = dir.file("raw.dat");
    YesPrompter prompter;
    const std::string n = std::to_string(records);
    {
        Library library;
        fillLibrary(library, records);
        if (!library_file::save(path, library, prompter)) {
            std::printf("library save failed\n");
            return;
        }
    }
    const std::vector<uint8_t> bytes = readRaw(path);

    // Raw reads and loads take turns, so that both meet the machine in the
    // same moods. Freeing the records is not part of loading: each run's
    // library is dropped off the clock.
    double rawRead = 1e300;
    double load = 1e300;
    for (int i = 0; i < kLoadRuns; ++i) {
        rawRead =
            std::min(rawRead, bestMilliseconds(1, [&] { gSink = gSink + readRaw(path).size(); }));
        auto loaded = std::make_unique<Library>();
        load = std::min(load, bestMilliseconds(1, [&] { library_file::load(path, *loaded); }));
        gSink = gSink + loaded->count();
    }

    Library library;
    const size_t before = mallinfo2().uordblks;
    library_file::load(path, library);
    const size_t after = mallinfo2().uordblks;
    const double perRecord = double(after - before) / double(library.count());

    const double rawWrite = bestMilliseconds(kRuns, [&] { writeRaw(rawPath, bytes); });
    const double save = bestMilliseconds(
        kRuns, [&] { gSink = gSink + bool(library_file::save(path, library, prompter)); });

    const std::string size = std::to_string(bytes.size() / 1000) + " kB";
    table.add({"(d) load library, " + n + " records",
               load,
               rawRead,
               "ms",
               "read " + size + " raw",
               3.0,
               {},
               {}});
    table.add({"(d) save library, " + n + " records",
               save,
               rawWrite,
               "ms",
               "write " + size + " raw, fsync, rename",
               3.0,
               {},
               {}});
    table.add({"(d) memory per loaded record",
               perRecord,
               double(bytes.size()) / records,
               "B",
               "the record's bytes in the file",
               {},
               {},
               {}});
}

}  // namespace sonara::bench
