#include "core/app/BackgroundSaver.h"

#include <chrono>
#include <fstream>
#include <iterator>
#include <string_view>

#include "core/io/AtomicFile.h"
#include "core/io/FileAttributes.h"

namespace sonara {

uint64_t bytesDigest(const uint8_t* bytes, size_t size) {
    uint64_t digest = 14695981039346656037ull;
    for (size_t i = 0; i < size; ++i) {
        digest = (digest ^ bytes[i]) * 1099511628211ull;
    }
    return digest;
}

namespace {

// The digest of the file as it lies on disk; nothing for a missing file.
std::optional<uint64_t> digestOnDisk(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    return bytesDigest(bytes.data(), bytes.size());
}

}  // namespace

BackgroundSaver::BackgroundSaver(std::vector<DataFile> files) : files_(std::move(files)) {}

BackgroundSaver::~BackgroundSaver() {
    if (round_.valid()) {
        round_.wait();
    }
}

bool BackgroundSaver::writing() const {
    return round_.valid() && round_.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
}

bool BackgroundSaver::startRound() {
    if (writing() || snapshotting()) {
        return false;
    }
    for (const DataFile& file : files_) {
        pending_.emplace_back(file.path, file.snapshot());
    }
    return true;
}

bool BackgroundSaver::step() {
    if (pending_.empty()) {
        return false;
    }
    auto& [path, snapshot] = pending_.front();
    if (snapshot->step()) {
        // A file whose data changed shape meanwhile waits for the next round.
        if (std::optional<std::vector<uint8_t>> bytes = snapshot->take()) {
            taken_.push_back({path, std::move(*bytes)});
        }
        pending_.erase(pending_.begin());
        if (pending_.empty()) {
            startWriting();
            return false;
        }
    }
    return true;
}

void BackgroundSaver::startWriting() {
    std::vector<Failure> earlier = takeEndedFailures();
    round_ = std::async(std::launch::async,
                        [this, jobs = std::move(taken_), earlier = std::move(earlier)]() mutable {
                            std::vector<Failure> failures = write(std::move(jobs));
                            failures.insert(failures.begin(), earlier.begin(), earlier.end());
                            return failures;
                        });
    taken_.clear();
}

std::vector<BackgroundSaver::Failure> BackgroundSaver::finish() {
    pending_.clear();
    taken_.clear();
    if (!round_.valid()) {
        return {};
    }
    return round_.get();
}

std::vector<BackgroundSaver::Failure> BackgroundSaver::takeEndedFailures() {
    if (!round_.valid() || writing()) {
        return {};
    }
    return round_.get();
}

bool BackgroundSaver::unchanged(const std::string& path, uint64_t digest) {
    auto known = onDisk_.find(path);
    if (known == onDisk_.end()) {
        // First round: what was read at start is on disk; a save would only
        // rewrite the same bytes.
        const std::optional<uint64_t> found = digestOnDisk(path);
        if (!found) {
            return false;
        }
        known = onDisk_.emplace(path, *found).first;
    }
    return known->second == digest;
}

std::vector<BackgroundSaver::Failure> BackgroundSaver::write(std::vector<Job> jobs) {
    std::vector<Failure> failures;
    for (const Job& job : jobs) {
        const uint64_t digest = bytesDigest(job.bytes.data(), job.bytes.size());
        if (unchanged(job.path, digest)) {
            continue;
        }
        if (files::exists(job.path) && files::isReadOnly(job.path)) {
            // A file the user made read-only is asked about by the exit save.
            continue;
        }
        const std::string_view bytes(reinterpret_cast<const char*>(job.bytes.data()),
                                     job.bytes.size());
        if (Status written = writeFileAtomically(job.path, bytes); !written) {
            // The old file is whole; the next round tries again.
            onDisk_.erase(job.path);
            failures.push_back({job.path, std::move(written)});
            continue;
        }
        onDisk_[job.path] = digest;
    }
    return failures;
}

}  // namespace sonara
