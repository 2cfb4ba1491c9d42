#pragma once

#include <cstdint>
#include <memory>
#include <vector>

struct soxr;

namespace tonewright {

// Converts blocks of planar PCM from one format (rate, 1 or 2 channels, 8 or 16 bits) to
// another: sample width between unsigned 8-bit and signed 16-bit, stereo to mono as
// (L+R)/2, mono to both channels, and the sample rate through libsoxr. One Resampler
// serves one file, block after block, since the rate converter keeps filter history.
class Resampler {
public:
    Resampler();
    ~Resampler();
    Resampler(const Resampler&) = delete;
    Resampler& operator=(const Resampler&) = delete;

    // Filled by the caller before Setup.
    int targetChannels = -1;
    int targetRate = -1;
    int targetBits = -1;
    int sourceChannels = -1;
    int sourceRate = -1;
    int sourceBits = -1;

    // Opens the rate converter when the rates differ. 1 on success, 0 when the formats are
    // unusable or the converter cannot be made.
    int Setup();
    // Converts one block of `count` samples per channel; the result stays valid until the
    // next call. Returns the output count (possibly 0 while the rate converter fills up).
    int Convert(const void* left, const void* right, int count);
    // Emits what the rate converter still holds at the end of the file; 0 when nothing.
    int Flush();
    uint8_t* OutputLeft() { return output_[0].data(); }
    // Null for a mono target.
    uint8_t* OutputRight() { return targetChannels == 2 ? output_[1].data() : nullptr; }

private:
    int ConvertAtEqualRates(const void* left, const void* right, int count);
    int ResampleFloats(const float* const* input, int count, int blockChannels);
    int StoreResampled(int outCount, int blockChannels);

    struct SoxrDeleter {
        void operator()(soxr* handle) const;
    };
    std::unique_ptr<soxr, SoxrDeleter> converter_;
    int converterChannels_ = 0;
    std::vector<uint8_t> width_[2];
    std::vector<uint8_t> mix_;
    std::vector<float> floatIn_[2];
    std::vector<float> floatOut_[2];
    std::vector<uint8_t> output_[2];
};

}  // namespace tonewright
