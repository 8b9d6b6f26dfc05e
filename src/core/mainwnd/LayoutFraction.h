#pragma once

#include <cstdint>

namespace sonara {

// numerator / denominator rounded to nearest, halves away from zero.
// The denominator must not be zero.
constexpr int roundedQuotient(std::int64_t numerator, std::int64_t denominator) {
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const std::int64_t magnitude = numerator < 0 ? -numerator : numerator;
    std::int64_t quotient = magnitude / denominator;
    if (2 * (magnitude % denominator) >= denominator) {
        ++quotient;
    }
    return static_cast<int>(numerator < 0 ? -quotient : quotient);
}

// A length as a share of the client width or height when a layout table was
// built, kept exact so that the initial size reproduces the initial place.
struct LayoutFraction {
    int numerator = 0;
    int denominator = 0;

    // `whole` times the share, rounded. A table built on an empty client has
    // no shares: the length stays what it was then.
    constexpr int of(int whole) const {
        if (denominator == 0) {
            return numerator;
        }
        return roundedQuotient(std::int64_t{whole} * numerator, denominator);
    }
};

}  // namespace sonara
