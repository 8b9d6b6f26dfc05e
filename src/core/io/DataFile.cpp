#include "core/io/DataFile.h"

#include <cstdio>
#include <filesystem>
#include <sys/stat.h>

#include "core/io/ArchiveReader.h"
#include "core/io/ArchiveWriter.h"
#include "core/io/AtomicFile.h"
#include "core/io/WritabilityCheck.h"

namespace sonara {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

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
