#include "sources/codecs/framesamples.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "base/bigendian.h"
#include "base/speakerlayout.h"
#include "sources/codecs/littleendian.h"

namespace tonewright {

namespace {

constexpr float kScale24 = 1.0f / 8388608.0f;  // 2^-23

// A 32-bit pattern whose top 24 bits hold a signed sample, as a frame value of 24 bits.
float TopAligned24(uint32_t bits) { return static_cast<float>(static_cast<int32_t>(bits) >> 8) * kScale24; }

float LeS24(const uint8_t* stored) {
    return TopAligned24(static_cast<uint32_t>(stored[0]) << 8 | static_cast<uint32_t>(stored[1]) << 16 |
                        static_cast<uint32_t>(stored[2]) << 24);
}
float LeS32(const uint8_t* stored) { return TopAligned24(LoadLe32(stored)); }
float BeS24(const uint8_t* stored) { return TopAligned24(LoadBe24(stored) << 8); }
float BeS32(const uint8_t* stored) { return TopAligned24(LoadBe32(stored)); }

float FloatOf(uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return std::isnan(value) ? 0.0f : value;
}

float DoubleOf(uint64_t bits) {
    double value;
    std::memcpy(&value, &bits, sizeof value);
    if (std::isnan(value)) return 0.0f;
    // Beyond float's range the conversion itself is not defined.
    if (std::fabs(value) > std::numeric_limits<float>::max())
        return value > 0 ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

float LeF32(const uint8_t* stored) { return FloatOf(LoadLe32(stored)); }
float LeF64(const uint8_t* stored) { return DoubleOf(LoadLe64(stored)); }
float BeF32(const uint8_t* stored) { return FloatOf(LoadBe32(stored)); }
float BeF64(const uint8_t* stored) { return DoubleOf(LoadBe64(stored)); }

}  // namespace

FrameSample IntegerFrameSample(size_t storedBytes, bool bigEndian) {
    switch (storedBytes) {
        case 3: return {bigEndian ? BeS24 : LeS24, 24};
        case 4: return {bigEndian ? BeS32 : LeS32, 24};
        default: return {};
    }
}

FrameSample FloatFrameSample(size_t storedBytes, bool bigEndian) {
    switch (storedBytes) {
        case 4: return {bigEndian ? BeF32 : LeF32, kFloatBits};
        case 8: return {bigEndian ? BeF64 : LeF64, kFloatBits};
        default: return {};
    }
}

}  // namespace tonewright
