#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

#include "core/io/Result.h"

namespace sonara {

// Writes a file so that a crash, a full disk or a power cut at any moment
// leaves either the old file or the new one, whole: the bytes go to a
// temporary file beside the target, which is flushed to disk and renamed over
// the target on commit(). Without commit() the temporary file is removed and
// the target is untouched. An existing target's permission bits are kept.
class AtomicFile {
  public:
    explicit AtomicFile(std::string targetPath);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the temporary file.
    Status open();
    // Appends bytes; a failure is remembered and reported by commit().
    bool write(const void* data, size_t size);
    Status commit();

    const std::string& targetPath() const { return target_; }

  private:
    void discard();

    std::string target_;
    std::string temp_;
    std::FILE* file_ = nullptr;
    int writeErrno_ = 0;
};

// The whole of `bytes` as the new content of `path`, atomically.
Status writeFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace sonara
