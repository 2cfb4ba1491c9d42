#include "sources/codecs/ima4decoder.h"

#include <cstdlib>
#include <vector>

#include "base/bigendian.h"
#include "sources/codecs/imaadpcm.h"

namespace tonewright {

namespace {

constexpr size_t kPacketBytes = 34;
constexpr size_t kHeaderBytes = 2;
constexpr size_t kPacketSamples = 64;
// The header keeps the predictor's upper 9 bits only.
constexpr int kHeaderPredictorLoss = 0x7F;

class Ima4Decoder : public BlockDecoder {
public:
    explicit Ima4Decoder(size_t channels) : state_(channels) {}

    size_t BlockBytes() const override { return state_.size() * kPacketBytes; }
    size_t BlockSamples() const override { return state_.size() * kPacketSamples; }

    bool DecodeBlock(const uint8_t* block, int16_t* samples) override {
        const size_t channels = state_.size();
        for (size_t c = 0; c < channels; ++c) {
            const uint8_t* packet = block + c * kPacketBytes;
            Resume(state_[c], LoadBe16(packet));
            const uint8_t* codes = packet + kHeaderBytes;
            for (size_t k = 0; k < kPacketSamples; ++k) {
                const uint8_t byte = codes[k / 2];
                samples[k * channels + c] = state_[c].Expand(k % 2 == 0 ? byte & 0x0F : byte >> 4);
            }
        }
        started_ = true;
        return true;
    }

private:
    // Encoders run each channel's state on from packet to packet and store it, cut to 9 bits,
    // in the header. While the header agrees with the state decoded so far (same step index,
    // predictor within the cut bits), the full state goes on, as QuickTime's decoder does;
    // otherwise (the first packet, a discontinuity) the header restarts it.
    void Resume(ImaAdpcmChannel& channel, uint16_t header) const {
        const auto predictor = static_cast<int16_t>(header & 0xFF80);
        const unsigned stepIndex = header & 0x7F;
        const bool agrees = started_ && static_cast<int>(stepIndex) == channel.StepIndex() &&
                            std::abs(predictor - channel.Sample()) <= kHeaderPredictorLoss;
        if (!agrees) channel.Start(predictor, stepIndex);
    }

    std::vector<ImaAdpcmChannel> state_;  // one per channel
    bool started_ = false;
};

}  // namespace

std::unique_ptr<BlockDecoder> CreateIma4Decoder(size_t channels) {
    if (channels == 0) return nullptr;
    return std::make_unique<Ima4Decoder>(channels);
}

}  // namespace tonewright
