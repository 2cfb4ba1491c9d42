#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace tonewright {

// Gathers planar blocks into interleaved 16-bit buffers of exactly one encoder call, handing
// each full buffer on; blocks need not line up with the call size. 8-bit samples (silence
// at 128) are widened to (sample - 128) * 256.
class SampleGatherer {
public:
    // Takes the full buffer (`samples` values over all channels); 0 stops the gathering.
    using Consumer = std::function<int(const int16_t* interleaved, unsigned samples)>;

    void Reset(int channels, unsigned callSamples);
    int Add16(const int16_t* left, const int16_t* right, int count, const Consumer& consume);
    int Add8(const uint8_t* left, const uint8_t* right, int count, const Consumer& consume);
    // Hands on what is gathered (possibly nothing) and empties the buffer.
    int Drain(const Consumer& consume);

private:
    template <typename Sample, typename Widen>
    int Add(const Sample* left, const Sample* right, int count, Widen widen, const Consumer& consume);

    int channels_ = 0;
    std::vector<int16_t> buffer_;
    unsigned fill_ = 0;
};

}  // namespace tonewright
