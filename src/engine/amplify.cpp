#include "engine/amplify.h"

#include <algorithm>

namespace tonewright {

namespace {

template <typename Sample, int kCentre, int kLow, int kHigh>
void AmplifyChannel(Sample* samples, int count, float gain) {
    for (int i = 0; i < count; ++i) {
        const float scaled = static_cast<float>(samples[i] - kCentre) * gain;
        const int clipped = std::clamp(static_cast<int>(std::clamp(scaled, -1e9f, 1e9f)), kLow, kHigh);
        samples[i] = static_cast<Sample>(clipped + kCentre);
    }
}

}  // namespace

void AmplifySamples8(uint8_t* left, uint8_t* right, int count, int channels, float gain) {
    AmplifyChannel<uint8_t, 128, -128, 127>(left, count, gain);
    if (channels == 2 && right) AmplifyChannel<uint8_t, 128, -128, 127>(right, count, gain);
}

void AmplifySamples16(int16_t* left, int16_t* right, int count, int channels, float gain) {
    AmplifyChannel<int16_t, 0, -32767, 32767>(left, count, gain);
    if (channels == 2 && right) AmplifyChannel<int16_t, 0, -32767, 32767>(right, count, gain);
}

float GainFromSettings(int amplifyFlag, int coefficientPercent) {
    if (!amplifyFlag || coefficientPercent == 100) return 0.0f;
    return static_cast<float>(coefficientPercent) * 0.01f;
}

}  // namespace tonewright
