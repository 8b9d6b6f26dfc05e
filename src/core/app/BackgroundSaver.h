#pragma once

#include <cstdint>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/app/DataSnapshot.h"
#include "core/io/Result.h"

namespace sonara {

// Keeps the data files on disk within one round of every change, so that a
// crash or a power cut costs at most the time between rounds. A round takes
// each file's bytes on the caller's thread (the data is not thread-safe), in
// slices the caller runs one by one between its other work, then writes the
// files whose bytes differ from what is on disk on a worker thread, each
// atomically. Nothing is asked of the user: a
// failed write is handed back, and the exit save, which may ask, follows.
//
// The caller's thread only; the destructor waits for the writes in flight.
class BackgroundSaver {
  public:
    struct DataFile {
        std::string path;
        std::function<std::unique_ptr<DataSnapshot>()> snapshot;
    };
    struct Failure {
        std::string path;
        Status status;
    };

    explicit BackgroundSaver(std::vector<DataFile> files);
    ~BackgroundSaver();
    BackgroundSaver(const BackgroundSaver&) = delete;
    BackgroundSaver& operator=(const BackgroundSaver&) = delete;

    // Starts a round; false (and nothing done) while the last round is still
    // being taken or written.
    bool startRound();
    // Takes the round's next slice; once all are taken the writes start.
    // True while slices remain.
    bool step();
    bool snapshotting() const { return !pending_.empty(); }
    bool writing() const;
    // Drops the slices not taken yet, waits for the writes in flight and
    // hands back their failures (none when no round ran since the last call).
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

    void startWriting();

    std::vector<DataFile> files_;
    // The round being taken: the files' snapshots in order, and what is taken.
    std::vector<std::pair<std::string, std::unique_ptr<DataSnapshot>>> pending_;
    std::vector<Job> taken_;
    // Per path: the digest of the bytes known to be on disk. Touched by the
    // worker only while it runs, by the caller's thread only while not.
    std::map<std::string, uint64_t> onDisk_;
    std::future<std::vector<Failure>> round_;
};

// A 64-bit digest of `bytes` (FNV-1a), enough to tell a changed file.
uint64_t bytesDigest(const uint8_t* bytes, size_t size);

}  // namespace sonara
