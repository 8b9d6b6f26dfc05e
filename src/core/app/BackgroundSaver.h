#pragma once

#include <cstdint>
#include <functional>
#include <future>
#include <map>
#include <string>
#include <vector>

#include "core/io/Result.h"

namespace sonara {

// Keeps the data files on disk within one round of every change, so that a
// crash or a power cut costs at most the time between rounds. A round turns
// each file's data into bytes on the caller's thread (the data is not
// thread-safe) and writes the files whose bytes differ from what is on disk
// on a worker thread, each atomically. Nothing is asked of the user: a
// failed write is handed back, and the exit save, which may ask, follows.
//
// The caller's thread only; the destructor waits for the writes in flight.
class BackgroundSaver {
  public:
    struct DataFile {
        std::string path;
        std::function<std::vector<uint8_t>()> snapshot;
    };
    struct Failure {
        std::string path;
        Status status;
    };

    explicit BackgroundSaver(std::vector<DataFile> files);
    ~BackgroundSaver();
    BackgroundSaver(const BackgroundSaver&) = delete;
    BackgroundSaver& operator=(const BackgroundSaver&) = delete;

    // Starts a round; false (and nothing done) while the last round still
    // writes.
    bool startRound();
    bool writing() const;
    // Waits for the round in flight and hands back its failed writes (none
    // when no round ran since the last call).
    std::vector<Failure> finish();
    // The failed writes of a round that has ended, without waiting; none
    // while it still writes.
    std::vector<Failure> takeEndedFailures();

  private:
    struct Job {
        std::string path;
        std::vector<uint8_t> bytes;
    };
    std::vector<Failure> write(std::vector<Job> jobs);
    // Whether `bytes` are what was written or found last time.
    bool unchanged(const std::string& path, uint64_t digest);

    std::vector<DataFile> files_;
    // Per path: the digest of the bytes known to be on disk. Touched by the
    // worker only while it runs, by the caller's thread only while not.
    std::map<std::string, uint64_t> onDisk_;
    std::future<std::vector<Failure>> round_;
};

// A 64-bit digest of `bytes` (FNV-1a), enough to tell a changed file.
uint64_t bytesDigest(const uint8_t* bytes, size_t size);

}  // namespace sonara
