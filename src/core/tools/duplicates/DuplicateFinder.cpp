#include "core/tools/duplicates/DuplicateFinder.h"

#include <sys/stat.h>

#include <algorithm>
#include <set>
#include <utility>

#include "core/app/Prompter.h"
#include "core/io/FileAttributes.h"
#include "core/io/Text.h"
#include "core/library/FolderWalk.h"

namespace sonara {

namespace {

bool keyBefore(const DuplicateEntry& a, const DuplicateEntry& b) {
    const int order = text::compareNoCase(a.key, b.key);
    if (order != 0) {
        return order < 0;
    }
    return a.size > b.size;
}

bool sameKey(const DuplicateEntry& a, const DuplicateEntry& b) {
    return text::equalsNoCase(a.key, b.key);
}

void sortEntries(std::vector<DuplicateEntry>& entries) {
    std::stable_sort(entries.begin(), entries.end(), keyBefore);
}

// Keeps only the entries that share their key with a neighbour; `entries`
// must be sorted.
void dropSingles(std::vector<DuplicateEntry>& entries) {
    std::vector<DuplicateEntry> kept;
    kept.reserve(entries.size());
    bool likePrevious = false;
    for (size_t i = 0; i < entries.size(); ++i) {
        const bool likeNext = i + 1 < entries.size() && sameKey(entries[i], entries[i + 1]);
        if (likePrevious || likeNext) {
            kept.push_back(std::move(entries[i]));  // entries[i] is not looked at again
        }
        likePrevious = likeNext;
    }
    entries = std::move(kept);
}

// Sizes from the files; the second name of a file already seen is dropped.
void takeSizes(std::vector<DuplicateEntry>& entries) {
    std::set<std::pair<dev_t, ino_t>> seen;
    std::vector<DuplicateEntry> kept;
    kept.reserve(entries.size());
    for (DuplicateEntry& entry : entries) {
        struct stat facts {};
        if (::stat(entry.path().c_str(), &facts) == 0 && S_ISREG(facts.st_mode)) {
            if (!seen.insert({facts.st_dev, facts.st_ino}).second) {
                continue;
            }
            entry.size = uint64_t(facts.st_size);
        } else {
            entry.size = 0;
        }
        kept.push_back(std::move(entry));
    }
    entries = std::move(kept);
}

uint64_t markedBytes(const std::vector<DuplicateEntry>& entries, bool markedOnly, size_t& count) {
    uint64_t bytes = 0;
    count = 0;
    for (const DuplicateEntry& entry : entries) {
        if (!markedOnly || entry.marked) {
            bytes += entry.size;
            ++count;
        }
    }
    return bytes;
}

std::string totalLine(const char* label, size_t count, uint64_t bytes) {
    return std::string(label) + std::to_string(count) + " (" + groupedKilobytes(bytes) + "KB)";
}

}  // namespace

std::string duplicateKey(const std::string& fileName, bool stripChars) {
    if (!stripChars) {
        return fileName;
    }
    // Letters beyond ASCII stay: dropping them would make every name written
    // in another script (or a name of punctuation only) the same as every
    // other, and mark different songs for deletion.
    std::string key;
    key.reserve(fileName.size());
    bool stemHasName = false;
    const size_t dot = fileName.rfind('.');
    for (size_t i = 0; i < fileName.size(); ++i) {
        const char c = fileName[i];
        const bool kept = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                          (c >= '0' && c <= '9') || static_cast<unsigned char>(c) >= 0x80;
        if (!kept) {
            continue;
        }
        key += (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
        stemHasName = stemHasName || dot == std::string::npos || i < dot;
    }
    return stemHasName ? key : fileName;
}

DuplicateSearch findDuplicates(const std::vector<std::string>& folders, bool stripChars,
                               Progress* progress) {
    DuplicateSearch search;
    const std::atomic<bool>* cancel = progress ? &progress->cancelFlag() : nullptr;
    for (const std::string& start : folders) {
        if (progress && progress->cancelled()) {
            break;
        }
        const WalkResult walk = walkFolder(
            files::withTrailingSlash(start), "*.MP3",
            [&](const std::string& path) {
                DuplicateEntry entry;
                entry.fileName = files::namePart(path);
                entry.folder = files::folderPart(path);
                entry.key = duplicateKey(entry.fileName, stripChars);
                if (progress) {
                    progress->show(entry.fileName, entry.folder);
                }
                search.entries.push_back(std::move(entry));
                return true;
            },
            cancel);
        if (walk.cancelled) {
            break;
        }
    }
    search.cancelled = progress && progress->cancelled();

    std::vector<DuplicateEntry>& entries = search.entries;
    sortEntries(entries);
    dropSingles(entries);
    takeSizes(entries);
    sortEntries(entries);
    dropSingles(entries);  // a file reached twice may have been its only "copy"
    for (size_t i = 0; i < entries.size(); ++i) {
        entries[i].marked = i > 0 && sameKey(entries[i - 1], entries[i]);
    }
    return search;
}

std::string groupedKilobytes(uint64_t bytes) {
    const std::string digits = std::to_string(bytes / 1024);
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return grouped;
}

std::string totalFoundLine(const std::vector<DuplicateEntry>& entries) {
    size_t count = 0;
    const uint64_t bytes = markedBytes(entries, false, count);
    return totalLine(" Total Duplicates Found (Size):", count, bytes);
}

std::string totalMarkedLine(const std::vector<DuplicateEntry>& entries) {
    size_t count = 0;
    const uint64_t bytes = markedBytes(entries, true, count);
    return totalLine(" Items Marked for Deletion (Size):", count, bytes);
}

void clearMarks(std::vector<DuplicateEntry>& entries) {
    for (DuplicateEntry& entry : entries) {
        entry.marked = false;
    }
}

}  // namespace sonara
