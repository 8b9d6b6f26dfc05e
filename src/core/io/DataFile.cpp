#include "core/io/DataFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "core/io/ArchiveReader.h"
#include "core/io/ArchiveWriter.h"
#include "core/io/AtomicFile.h"
#include "core/io/WritabilityCheck.h"

namespace sonara {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }

  private:
    int fd_;
};

// Reads up to `size` bytes; fewer when the file shrank meanwhile.
size_t readFully(int fd, char* data, size_t size) {
    size_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(fd, data + done, size - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        done += size_t(got);
    }
    return done;
}

}  // namespace

LoadOutcome loadDataFile(const std::string& path,
                         const std::function<bool(ArchiveReader&)>& parse) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return LoadOutcome::Missing;
    }
    struct stat st {};
    if (::fstat(::fileno(file.get()), &st) != 0 || !S_ISREG(st.st_mode)) {
        return LoadOutcome::Missing;
    }
    ArchiveReader reader(file.get(), uint64_t(st.st_size));
    const bool complete = parse(reader);
    file.reset();
    if (!complete) {
        keepDamagedCopy(path);
        return LoadOutcome::Damaged;
    }
    return LoadOutcome::Loaded;
}

LoadOutcome loadWholeDataFile(
    const std::string& path, uint64_t wholeLimit,
    const std::function<bool(std::unique_ptr<char[]> bytes, size_t size)>& parse,
    const std::function<bool(ArchiveReader&)>& streamingParse) {
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        return LoadOutcome::Missing;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return LoadOutcome::Missing;
    }
    if (uint64_t(st.st_size) > wholeLimit) {
        return loadDataFile(path, streamingParse);
    }
    const size_t size = size_t(st.st_size);
    auto bytes = std::make_unique_for_overwrite<char[]>(size == 0 ? 1 : size);
    const size_t got = readFully(fd.get(), bytes.get(), size);
    if (!parse(std::move(bytes), got)) {
        keepDamagedCopy(path);
        return LoadOutcome::Damaged;
    }
    return LoadOutcome::Loaded;
}

Status saveDataFile(const std::string& path, Prompter& prompter,
                    const std::function<void(ArchiveWriter&)>& write) {
    if (!checkWritable(path, prompter)) {
        return Status::failure(path + " was not written: it is read-only.");
    }
    AtomicFile file(path);
    if (Status opened = file.open(); !opened) {
        return opened;
    }
    {
        ArchiveWriter writer(file);
        write(writer);
        writer.flush();
    }
    return file.commit();
}

void keepDamagedCopy(const std::string& path) {
    std::error_code ec;
    std::filesystem::copy_file(path, path + ".damaged",
                               std::filesystem::copy_options::overwrite_existing, ec);
}

}  // namespace sonara
