#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>

namespace tonewright {

// A property (seconds, kbps) computed from what a file claims, made to fit an int: a damaged
// header can claim any length, and converting a value out of an int's range is undefined.
inline int ClampToInt(uint64_t value) { return static_cast<int>(std::min<uint64_t>(value, INT_MAX)); }

// Negative values and NaN become 0.
inline int ClampToInt(double value) {
    if (!(value > 0)) return 0;
    return value >= INT_MAX ? INT_MAX : static_cast<int>(value);
}

}  // namespace tonewright
