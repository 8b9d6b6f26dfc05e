#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace sonara {

// Reads a text field by field the way sscanf reads "%d", "%u" and literal
// characters, without its undefined behaviour: a number that does not fit is a
// failed field, not a wrapped one.
class TextScanner {
  public:
    explicit TextScanner(std::string_view text) : text_(text) {}

    // The next character must be `c` (no white space is skipped, as for a
    // literal in a scanf format).
    bool literal(char c);
    // White space, an optional sign, then at least one decimal digit.
    bool signedInt(int& value);
    // As signedInt() without a minus sign.
    bool unsignedInt(uint32_t& value);

  private:
    bool digits(bool allowMinus, int64_t limit, int64_t& value);

    std::string_view text_;
    size_t pos_ = 0;
};

}  // namespace sonara
