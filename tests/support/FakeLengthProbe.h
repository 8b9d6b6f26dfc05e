#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "core/library/LengthProbe.h"

namespace sonara::testing {

// Lengths by full path, `fallback` for any other path; counts its calls.
class FakeLengthProbe final : public LengthProbe {
  public:
    explicit FakeLengthProbe(int64_t fallback = 0) : fallback_(fallback) {}

    int64_t lengthMilliseconds(const std::string& path) override {
        ++calls;
        const auto it = lengths.find(path);
        return it == lengths.end() ? fallback_ : it->second;
    }

    std::map<std::string, int64_t> lengths;
    int calls = 0;

  private:
    int64_t fallback_;
};

}  // namespace sonara::testing
