#include "sources/codecs/floatsample.h"

#include <cmath>
#include <cstring>

namespace tonewright {

int16_t FloatSampleToInt16(double value) {
    // 2^63 is exactly representable; casting anything at or beyond it is undefined.
    constexpr double kInt64Limit = 9223372036854775808.0;
    const double scaled = value * 2147483647.0;
    int64_t wide = 0;
    if (scaled >= kInt64Limit) {
        wide = INT64_MAX;
    } else if (scaled <= -kInt64Limit) {
        wide = INT64_MIN;
    } else if (!std::isnan(scaled)) {
        wide = static_cast<int64_t>(scaled);
    }
    return static_cast<int16_t>(wide >> 16);
}

int16_t Float32BitsToInt16(uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return FloatSampleToInt16(value);
}

int16_t Float64BitsToInt16(uint64_t bits) {
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return FloatSampleToInt16(value);
}

}  // namespace tonewright
