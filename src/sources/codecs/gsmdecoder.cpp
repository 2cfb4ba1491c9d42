#include "sources/codecs/gsmdecoder.h"

#include <gsm.h>

namespace tonewright {

namespace {

constexpr size_t kFrameBytes = 33;
constexpr size_t kFrameSamples = 160;
// WAV-49 packs two frames into 65 bytes. The second frame starts in the 34th byte; libgsm
// takes the half-byte it shares with the first frame from its own state.
constexpr size_t kWav49BlockBytes = 65;

struct GsmStateDeleter {
    void operator()(gsm_state* state) const { gsm_destroy(state); }
};
using GsmHandle = std::unique_ptr<gsm_state, GsmStateDeleter>;

// A block of one frame (standard framing) or two (WAV-49), each starting kFrameBytes after
// the one before.
class GsmBlockDecoder : public BlockDecoder {
public:
    GsmBlockDecoder(GsmHandle state, size_t blockBytes, size_t framesPerBlock)
        : state_(std::move(state)), blockBytes_(blockBytes), framesPerBlock_(framesPerBlock) {}

    size_t BlockBytes() const override { return blockBytes_; }
    size_t BlockSamples() const override { return framesPerBlock_ * kFrameSamples; }

    bool DecodeBlock(const uint8_t* block, int16_t* samples) override {
        // libgsm's prototype takes non-const bytes but only reads them.
        auto* bytes = const_cast<gsm_byte*>(block);
        for (size_t frame = 0; frame < framesPerBlock_; ++frame)
            if (gsm_decode(state_.get(), bytes + frame * kFrameBytes, samples + frame * kFrameSamples) != 0)
                return false;
        return true;
    }

private:
    GsmHandle state_;
    size_t blockBytes_;
    size_t framesPerBlock_;
};

}  // namespace

std::unique_ptr<BlockDecoder> CreateGsmWav49Decoder() {
    GsmHandle state(gsm_create());
    if (!state) return nullptr;
    int wav49 = 1;
    // gsm_option answers -1 when the library was built without the WAV-49 packing.
    if (gsm_option(state.get(), GSM_OPT_WAV49, &wav49) < 0) return nullptr;
    return std::make_unique<GsmBlockDecoder>(std::move(state), kWav49BlockBytes, 2);
}

std::unique_ptr<BlockDecoder> CreateGsmDecoder() {
    GsmHandle state(gsm_create());
    if (!state) return nullptr;
    return std::make_unique<GsmBlockDecoder>(std::move(state), kFrameBytes, 1);
}

}  // namespace tonewright
