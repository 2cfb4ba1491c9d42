#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace tonewright {

// Gathers planar blocks or interleaved frames into interleaved floating-point buffers (full
// scale +-1.0) of exactly one encoder call, handing each full buffer on; blocks need not
// line up with the call size. 16-bit samples count sample / 32768, 8-bit ones (silence at
// 128) (sample - 128) / 128.
class SampleGatherer {
public:
    // Takes the full buffer (`samples` values over all channels); 0 stops the gathering.
    using Consumer = std::function<int(const float* interleaved, unsigned samples)>;

    void Reset(int channels, unsigned callSamples);
    int Add16(const int16_t* left, const int16_t* right, int count, const Consumer& consume);
    int Add8(const uint8_t* left, const uint8_t* right, int count, const Consumer& consume);
    // Frames of the channel count, their channels taken in the order of `positions` (see
    // FramePositions; none: as they come).
    int AddFrames(const float* frames, int count, const std::vector<int>& positions, const Consumer& consume);
    // Hands on what is gathered (possibly nothing) and empties the buffer.
    int Drain(const Consumer& consume);

private:
    template <typename Sample, typename Widen>
    int Add(const Sample* left, const Sample* right, int count, Widen widen, const Consumer& consume);

    int channels_ = 0;
    // Hands the buffer on when the next frame would not fit.
    int CallWhenFull(const Consumer& consume);

    std::vector<float> buffer_;
    unsigned fill_ = 0;
};

}  // namespace tonewright
