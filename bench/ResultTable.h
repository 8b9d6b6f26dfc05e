#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sonara::bench {

// The bench's report: each figure beside the baseline measured in the same
// run, their ratio, and the target the ratio must meet.
class ResultTable {
  public:
    struct Row {
        std::string figure;
        double ours = 0;
        double baseline = 0;
        std::string unit;  // "ms", "B"
        std::string baselineName;
        std::optional<double> maxRatio;  // target: ours ≤ maxRatio × baseline
        std::optional<double> mustBeat;  // target: ours < this value (a peer's)
        std::string mustBeatName;
    };

    void add(Row row) { rows_.push_back(std::move(row)); }
    // Prints the table; returns false when a target was missed.
    bool print() const;

  private:
    std::vector<Row> rows_;
};

}  // namespace sonara::bench
