#include "sources/codecs/extendedfloat.h"

#include <limits>

#include "base/bigendian.h"

namespace tonewright {

int64_t TruncateExtendedFloat(const uint8_t* bytes) {
    constexpr int kExponentBias = 16383;
    constexpr int kMantissaBits = 64;
    constexpr int kLargestBiasedExponent = 0x7FFF;
    const bool negative = (bytes[0] & 0x80) != 0;
    const int biasedExponent = LoadBe16(bytes) & 0x7FFF;
    const int exponent = biasedExponent - kExponentBias;
    const uint64_t mantissa = LoadBe64(bytes + 2);
    // value = mantissa × 2^(exponent − 63): its integer part is the mantissa shifted right.
    uint64_t magnitude = 0;
    if (biasedExponent == kLargestBiasedExponent || (exponent > kMantissaBits - 1 && mantissa != 0)) {
        magnitude = std::numeric_limits<uint64_t>::max();
    } else if (exponent >= 0 && exponent <= kMantissaBits - 1) {
        magnitude = mantissa >> (kMantissaBits - 1 - exponent);
    }
    constexpr uint64_t kLargest = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    if (magnitude > kLargest) return negative ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
    return negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
}

}  // namespace tonewright
