#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sonara {

// The entries of a history box, newest first: the texts the user ran, each
// once. The box's owner loads them from and saves them to the preference
// file (readHistory, writeHistory). User-interface thread only.
class HistoryList {
  public:
    static constexpr int kDefaultMaximum = 10;

    explicit HistoryList(int maximum = kDefaultMaximum);

    // Entries beyond a smaller maximum are dropped from the end. Values
    // below 1 count as 1.
    void setMaximum(int maximum);
    int maximum() const { return maximum_; }

    // Replaces the entries with the stored ones, in order: empty texts are
    // skipped, texts equal to an earlier one and those beyond the maximum
    // are dropped.
    void load(const std::vector<std::string>& stored);

    // Puts `text` at the top: an entry equal to it ignoring case (A to Z) is
    // removed first, so the new spelling wins, and the oldest entries beyond
    // the maximum go. A text that is blank after trimming is not stored and
    // false is returned. The text is kept as typed.
    bool add(std::string_view text);

    const std::vector<std::string>& entries() const { return entries_; }
    size_t size() const { return entries_.size(); }

  private:
    int maximum_;
    std::vector<std::string> entries_;
};

}  // namespace sonara
