#include "engine/amplify.h"

#include <algorithm>

namespace tonewright {

namespace {

template <typename Sample, int kCentre, int kLow, int kHigh>
void AmplifyChannel(Sample* samples, int count, int percent) {
    for (int i = 0; i < count; ++i) {
        // Integer division truncates toward zero; 64 bits hold any sample times any stored
        // coefficient.
        const int64_t scaled = static_cast<int64_t>(samples[i] - kCentre) * percent / 100;
        const int64_t clipped = std::clamp<int64_t>(scaled, kLow, kHigh);
        samples[i] = static_cast<Sample>(clipped + kCentre);
    }
}

}  // namespace

void AmplifySamples8(uint8_t* left, uint8_t* right, int count, int channels, int percent) {
    AmplifyChannel<uint8_t, 128, -128, 127>(left, count, percent);
    if (channels == 2 && right) AmplifyChannel<uint8_t, 128, -128, 127>(right, count, percent);
}

void AmplifySamples16(int16_t* left, int16_t* right, int count, int channels, int percent) {
    AmplifyChannel<int16_t, 0, -32767, 32767>(left, count, percent);
    if (channels == 2 && right) AmplifyChannel<int16_t, 0, -32767, 32767>(right, count, percent);
}

std::optional<int> GainFromSettings(int amplifyFlag, int coefficientPercent) {
    if (!amplifyFlag || coefficientPercent == 100) return std::nullopt;
    return coefficientPercent;
}

}  // namespace tonewright
