#include "sources/codecs/imaadpcm.h"

#include <algorithm>
#include <array>

#include "sources/codecs/littleendian.h"

namespace tonewright {

namespace {

constexpr int kMaxStepIndex = 88;

constexpr std::array<int, kMaxStepIndex + 1> kStepSizes = {
    7,    8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,    25,   28,
    31,   34,    37,    41,    45,    50,    55,    60,    66,    73,    80,    88,    97,    107,  118,
    130,  143,   157,   173,   190,   209,   230,   253,   279,   307,   337,   371,   408,   449,  494,
    544,  598,   658,   724,   796,   876,   963,   1060,  1166,  1282,  1411,  1552,  1707,  1878, 2066,
    2272, 2499,  2749,  3024,  3327,  3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845, 8630,
    9493, 10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};

constexpr std::array<int, 16> kStepIndexChanges = {-1, -1, -1, -1, 2, 4, 6, 8, -1, -1, -1, -1, 2, 4, 6, 8};

constexpr size_t kHeaderBytesPerChannel = 4;
// Samples follow the headers in runs of 4 bytes (8 samples) per channel.
constexpr size_t kRunBytes = 4;
constexpr size_t kSamplesPerRun = 8;

class ImaAdpcmWavDecoder : public BlockDecoder {
public:
    ImaAdpcmWavDecoder(size_t channels, size_t blockAlign, size_t samplesPerBlock)
        : channels_(channels), blockAlign_(blockAlign), samplesPerBlock_(samplesPerBlock) {}

    size_t BlockBytes() const override { return blockAlign_; }
    size_t BlockSamples() const override { return samplesPerBlock_ * channels_; }

    bool DecodeBlock(const uint8_t* block, int16_t* samples) override {
        std::array<ImaAdpcmChannel, 2> state;
        for (size_t c = 0; c < channels_; ++c) {
            const uint8_t* header = block + c * kHeaderBytesPerChannel;
            samples[c] = LoadLeS16(header);
            state[c].Start(samples[c], header[2]);
        }
        const uint8_t* runs = block + channels_ * kHeaderBytesPerChannel;
        const size_t codedPerChannel = samplesPerBlock_ - 1;
        for (size_t first = 0; first < codedPerChannel; first += kSamplesPerRun) {
            const size_t inRun = std::min(kSamplesPerRun, codedPerChannel - first);
            for (size_t c = 0; c < channels_; ++c) {
                for (size_t k = 0; k < inRun; ++k) {
                    const uint8_t byte = runs[k / 2];
                    const unsigned code = k % 2 == 0 ? byte & 0x0F : byte >> 4;
                    samples[(1 + first + k) * channels_ + c] = state[c].Expand(code);
                }
                runs += kRunBytes;
            }
        }
        return true;
    }

private:
    size_t channels_;
    size_t blockAlign_;
    size_t samplesPerBlock_;
};

}  // namespace

void ImaAdpcmChannel::Start(int16_t sample, unsigned stepIndex) {
    predictor_ = sample;
    stepIndex_ = static_cast<int>(std::min<unsigned>(stepIndex, kMaxStepIndex));
}

int16_t ImaAdpcmChannel::Expand(unsigned code) {
    const int step = kStepSizes[static_cast<size_t>(stepIndex_)];
    int difference = step >> 3;
    if (code & 1) difference += step >> 2;
    if (code & 2) difference += step >> 1;
    if (code & 4) difference += step;
    if (code & 8) difference = -difference;
    predictor_ = std::clamp(predictor_ + difference, -32768, 32767);
    stepIndex_ = std::clamp(stepIndex_ + kStepIndexChanges[code & 0x0F], 0, kMaxStepIndex);
    return static_cast<int16_t>(predictor_);
}

std::unique_ptr<BlockDecoder> CreateImaAdpcmWavDecoder(int channels, size_t blockAlign, size_t samplesPerBlock) {
    if (channels < 1 || channels > 2 || samplesPerBlock == 0) return nullptr;
    const size_t channelCount = static_cast<size_t>(channels);
    const size_t runsPerChannel = (samplesPerBlock - 1 + kSamplesPerRun - 1) / kSamplesPerRun;
    const size_t neededBytes = channelCount * (kHeaderBytesPerChannel + runsPerChannel * kRunBytes);
    if (neededBytes > blockAlign) return nullptr;
    return std::make_unique<ImaAdpcmWavDecoder>(channelCount, blockAlign, samplesPerBlock);
}

}  // namespace tonewright
