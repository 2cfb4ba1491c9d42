#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "encoders/aac/aaccodec.h"
#include "encoders/samplewriter.h"

namespace tonewright {

// Stored in the OutputFormat setting.
constexpr int kOutputAac = 6000;

// AAC in an ADTS stream (.aac).
extern const OutputWriterFactory kAacWriter;

// The user's AAC choices shared by the AAC and MP4 outputs.
struct AacChoices {
    int vbr = 0;
    int vbrQuality = 0;
    int abrKbps = 0;  // total over all channels
    int tns = 0;
    int midside = 0;
    int blockType = 0;
};

// Changes the preset configuration by the choices: a VBR quality in 10..500 (others leave
// the encoder's own), or else the total bit rate spread over the channels; TNS, mid/side
// and block switching as chosen.
void ApplyAacChoices(const AacChoices& choices, int channels, AacConfiguration& config);

// The sample form both AAC writers take at the AAC sampling frequency nearest the source's
// rate that keeps its band (AacCodec::EncodingRate): by the channel choice (1 mono,
// 2 stereo, 0 the source's up to 5.1, see LossyChannelForm) and the source's width.
PcmFormat AacSamples(const SourceFormat& source, int channelChoice);

// What the AAC writers (ADTS and MP4) set apart: the user's choices unless automatic, and
// what a writer does after its start (the MP4 tags).
struct AacPlan {
    PcmFormat samples;  // AacSamples of the source
    bool automatic = true;
    AacChoices choices;
    std::optional<int> mpegVersion;  // none: the preset's
};

// The writer both AAC outputs share: the planned rate, channels and width go to the
// encoder, the preset configuration changed by the choices, then `afterStart` once the
// writer has started.
template <typename Writer>
class AacOutput : public EncoderOutput<Writer> {
public:
    template <typename... WriterArguments>
    AacOutput(AacPlan plan, std::function<void(Writer&)> afterStart, WriterArguments... arguments)
        : EncoderOutput<Writer>(arguments...), plan_(std::move(plan)), afterStart_(std::move(afterStart)) {}

    bool Start(const std::string& path) override {
        Writer& writer = this->encoder_;
        const PcmFormat& format = plan_.samples;
        if (!writer.Open(path, format.rate, format.channels, format.mask)) return false;
        if (!plan_.automatic) {
            ApplyAacChoices(plan_.choices, format.channels, *writer.Configuration());
            if (plan_.mpegVersion) writer.Configuration()->mpegVersion = *plan_.mpegVersion;
        }
        if (!writer.Start()) {
            refused_ = true;
            return false;
        }
        if (afterStart_) afterStart_(writer);
        return true;
    }
    std::string ErrorText() const override {
        return refused_ ? "the AAC encoder refused its settings" : EncoderOutput<Writer>::ErrorText();
    }

private:
    AacPlan plan_;
    std::function<void(Writer&)> afterStart_;
    bool refused_ = false;
};

}  // namespace tonewright
