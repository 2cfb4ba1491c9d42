#pragma once

#include <cstdint>
#include <string>

#include "encoders/aac/aacstream.h"
#include "encoders/outputfile.h"

namespace tonewright {

// Writes a raw AAC file: the encoder's ADTS frames one after the other, no container and
// no tags.
class AacEncoder {
public:
    AacEncoder() = default;
    virtual ~AacEncoder();

    // Creates the file and the encoder (ADTS output, preset configuration); frames of more
    // than two channels name their speakers by the mask. 1 on success.
    int Open(const std::string& path, int sampleRate, int channels, uint32_t channelMask);
    // The configuration to change between Open and Start; null when not open.
    AacConfiguration* Configuration() { return stream_.Configuration(); }
    // 0 when the encoder refuses the configuration.
    int Start() { return stream_.Start(); }
    // 0 when encoding or writing failed.
    int WriteSamples16(const int16_t* left, const int16_t* right, int count);
    int WriteSamples8(const uint8_t* left, const uint8_t* right, int count);
    int WriteFrames(const float* frames, int count);
    // Drains the encoder's delay, writes the last frames and closes; 0 when anything was lost.
    int Close();
    std::string ErrorText() const;

private:
    int WriteFrame(const uint8_t* frame, unsigned bytes, unsigned submitted);
    // 1 when the stream took the samples; else notes whether the encoder (not the file) failed.
    int Written(int streamResult);

    OutputFile file_;
    AacStream stream_;
    AacStream::FrameSink sink_ = [this](const uint8_t* frame, unsigned bytes, unsigned submitted) {
        return WriteFrame(frame, bytes, submitted);
    };
    bool encoderFailed_ = false;
    std::string error_;
};

}  // namespace tonewright
