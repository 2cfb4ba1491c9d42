#include "encoders/aac/aacencoder.h"

namespace tonewright {

namespace {

constexpr int kAdtsOutput = 1;

}  // namespace

AacEncoder::~AacEncoder() { Close(); }

int AacEncoder::Open(const std::string& path, int sampleRate, int channels, uint32_t channelMask) {
    Close();
    encoderFailed_ = false;
    error_.clear();
    if (!file_.Create(path)) return 0;
    if (stream_.Open(sampleRate, channels, channelMask, kAdtsOutput)) return 1;
    error_ = AacCodec::RefusalText(sampleRate, channels);
    return 0;
}

int AacEncoder::WriteFrame(const uint8_t* frame, unsigned bytes, unsigned) {
    return bytes == 0 || file_.Write(frame, bytes) ? 1 : 0;
}

int AacEncoder::WriteSamples16(const int16_t* left, const int16_t* right, int count) {
    return Written(stream_.Write16(left, right, count, sink_));
}

int AacEncoder::WriteSamples8(const uint8_t* left, const uint8_t* right, int count) {
    return Written(stream_.Write8(left, right, count, sink_));
}

int AacEncoder::WriteFrames(const float* frames, int count) {
    return Written(stream_.WriteFrames(frames, count, sink_));
}

int AacEncoder::Written(int streamResult) {
    if (streamResult) return 1;
    encoderFailed_ = !file_.Failed();
    return 0;
}

int AacEncoder::Close() {
    int ok = 1;
    if (file_.IsOpen()) {
        if (!stream_.Finish(sink_)) {
            encoderFailed_ = encoderFailed_ || !file_.Failed();
            ok = 0;
        }
        if (!file_.Close()) ok = 0;
    }
    stream_.Release();
    return ok && !encoderFailed_ ? 1 : 0;
}

std::string AacEncoder::ErrorText() const {
    if (file_.Failed()) return file_.ErrorText();
    return error_.empty() ? "the AAC encoder failed" : error_;
}

}  // namespace tonewright
