#pragma once

#include <cstdint>
#include <cstdio>

namespace tonewright {

// value × multiplier ÷ divisor, rounded down, without forming the full product (data sizes
// are up to 64-bit; multiplier and divisor stay below 2^32). divisor must not be 0.
inline uint64_t MulDiv(uint64_t value, uint64_t multiplier, uint64_t divisor) {
    return value / divisor * multiplier + value % divisor * multiplier / divisor;
}

// The size of an open file from the file system; 0 when it cannot be had.
uint64_t OpenFileSize(std::FILE* file);

struct StreamMeasures {
    int durationSeconds = 0;
    int bitrateKbps = 0;
};

// The duration and bit rate the in-house readers report: `frames` at `sampleRate` in whole
// seconds (truncated); `bytes` ÷ (seconds × 125) when that is at least one second, else
// storedBits × channels × sampleRate ÷ 1000. Both saturate at INT_MAX; a rate of 0 gives a
// duration of 0.
StreamMeasures MeasureStream(uint64_t frames, uint64_t bytes, uint32_t sampleRate, uint16_t storedBits,
                             uint16_t channels);

}  // namespace tonewright
