#include "encoders/aac/aacstream.h"

#include "encoders/speakerorder.h"

namespace tonewright {

int AacStream::Open(int sampleRate, int channels, uint32_t channelMask, int outputFormat) {
    Release();
    codec_ = AacCodec::Open(sampleRate, channels, inputSamples_, maxOutputBytes_);
    if (!codec_) return 0;
    if (channels > 2) {
        positions_ = FramePositions(channelMask, channels, AacSpeakerOrder(channels));
        if (positions_.empty()) {
            codec_.reset();
            return 0;
        }
    }
    channels_ = channels;
    codec_->CurrentConfiguration()->outputFormat = outputFormat;
    return 1;
}

int AacStream::Start() {
    if (!codec_ || !codec_->SetConfiguration(*codec_->CurrentConfiguration())) return 0;
    gatherer_.Reset(channels_, inputSamples_);
    out_.assign(maxOutputBytes_, 0);
    started_ = true;
    return 1;
}

int AacStream::EncodeCall(const float* interleaved, unsigned samples, const FrameSink& sink) {
    const int bytes = codec_->Encode(interleaved, samples, out_.data(), maxOutputBytes_);
    if (bytes < 0) return -1;
    return sink(out_.data(), static_cast<unsigned>(bytes), samples / channels_) ? bytes : -1;
}

SampleGatherer::Consumer AacStream::Consumer(const FrameSink& sink) {
    return [this, &sink](const float* interleaved, unsigned samples) {
        return EncodeCall(interleaved, samples, sink) >= 0 ? 1 : 0;
    };
}

int AacStream::Write16(const int16_t* left, const int16_t* right, int count, const FrameSink& sink) {
    return started_ ? gatherer_.Add16(left, right, count, Consumer(sink)) : 0;
}

int AacStream::Write8(const uint8_t* left, const uint8_t* right, int count, const FrameSink& sink) {
    return started_ ? gatherer_.Add8(left, right, count, Consumer(sink)) : 0;
}

int AacStream::WriteFrames(const float* frames, int count, const FrameSink& sink) {
    return started_ ? gatherer_.AddFrames(frames, count, positions_, Consumer(sink)) : 0;
}

int AacStream::Finish(const FrameSink& sink) {
    if (!started_) return 1;
    int produced = 0;
    gatherer_.Drain([&](const float* interleaved, unsigned samples) {
        produced = EncodeCall(interleaved, samples, sink);
        return 1;
    });
    while (produced > 0) produced = EncodeCall(nullptr, 0, sink);
    return produced == 0 ? 1 : 0;
}

void AacStream::Release() {
    codec_.reset();
    out_.clear();
    positions_.clear();
    inputSamples_ = maxOutputBytes_ = 0;
    channels_ = 0;
    started_ = false;
}

}  // namespace tonewright
