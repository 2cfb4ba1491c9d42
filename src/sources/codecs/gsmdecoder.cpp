#include "sources/codecs/gsmdecoder.h"

#include <gsm.h>

namespace tonewright {

namespace {

constexpr size_t kBlockBytes = 65;
constexpr size_t kFrameSamples = 160;
// The second frame of a block starts in the 34th byte; libgsm takes the half-byte it shares
// with the first frame from its own state.
constexpr size_t kSecondFrameOffset = 33;

struct GsmStateDeleter {
    void operator()(gsm_state* state) const { gsm_destroy(state); }
};
using GsmHandle = std::unique_ptr<gsm_state, GsmStateDeleter>;

class GsmWav49Decoder : public BlockDecoder {
public:
    explicit GsmWav49Decoder(GsmHandle state) : state_(std::move(state)) {}

    size_t BlockBytes() const override { return kBlockBytes; }
    size_t BlockSamples() const override { return 2 * kFrameSamples; }

    bool DecodeBlock(const uint8_t* block, int16_t* samples) override {
        // libgsm's prototype takes non-const bytes but only reads them.
        auto* bytes = const_cast<gsm_byte*>(block);
        return gsm_decode(state_.get(), bytes, samples) == 0 &&
               gsm_decode(state_.get(), bytes + kSecondFrameOffset, samples + kFrameSamples) == 0;
    }

private:
    GsmHandle state_;
};

}  // namespace

std::unique_ptr<BlockDecoder> CreateGsmWav49Decoder() {
    GsmHandle state(gsm_create());
    if (!state) return nullptr;
    int wav49 = 1;
    // gsm_option answers -1 when the library was built without the WAV-49 packing.
    if (gsm_option(state.get(), GSM_OPT_WAV49, &wav49) < 0) return nullptr;
    return std::make_unique<GsmWav49Decoder>(std::move(state));
}

}  // namespace tonewright
