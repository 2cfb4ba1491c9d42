#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "encoders/aac/aaccodec.h"
#include "encoders/aac/samplegatherer.h"

namespace tonewright {

// The AAC encoding both AAC writers share: planar blocks gathered into encoder calls, one
// frame per call handed to the writer, and the encoder's delay drained at the end.
class AacStream {
public:
    // Told about every encoder call: the frame's bytes (none while the encoder fills its
    // delay or once it is empty) and the sample frames per channel the call handed in.
    // Returns 0 when the frame could not be stored.
    using FrameSink = std::function<int(const uint8_t* frame, unsigned bytes, unsigned submitted)>;

    // Opens the encoder for raw (0) or ADTS (1) frames and presets the configuration: low
    // complexity, MPEG-4, no TNS, mid/side allowed. Frames of more than two channels name
    // their speakers by `channelMask` (0 the usual ones). 1 on success.
    int Open(int sampleRate, int channels, uint32_t channelMask, int outputFormat);
    AacConfiguration* Configuration() { return codec_ ? codec_->CurrentConfiguration() : nullptr; }
    // 0 when the encoder refuses the configuration.
    int Start();
    bool Started() const { return started_; }
    // Sample frames per channel in one AAC frame.
    unsigned FrameLength() const { return channels_ ? inputSamples_ / channels_ : 0; }
    std::vector<uint8_t> DecoderSpecificInfo() const { return codec_->DecoderSpecificInfo(); }
    // 0 when encoding failed or the sink refused a frame.
    int Write16(const int16_t* left, const int16_t* right, int count, const FrameSink& sink);
    int Write8(const uint8_t* left, const uint8_t* right, int count, const FrameSink& sink);
    int WriteFrames(const float* frames, int count, const FrameSink& sink);
    // Encodes the partial call and drains the encoder until it returns nothing.
    int Finish(const FrameSink& sink);
    void Release();

private:
    // Bytes of the frame produced, 0 for none, -1 on failure.
    int EncodeCall(const float* interleaved, unsigned samples, const FrameSink& sink);
    SampleGatherer::Consumer Consumer(const FrameSink& sink);

    std::unique_ptr<AacCodec> codec_;
    SampleGatherer gatherer_;
    std::vector<uint8_t> out_;
    std::vector<int> positions_;  // of the frames' channels in AAC's order
    unsigned inputSamples_ = 0;
    unsigned maxOutputBytes_ = 0;
    int channels_ = 0;
    bool started_ = false;
};

}  // namespace tonewright
