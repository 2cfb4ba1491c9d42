#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "encoders/winmedia/wmaformats.h"
#include "metadata/taginfo.h"

namespace tonewright {

// Writes a Windows Media Audio file (ASF container, WMA version 2 codec through FFmpeg).
// It takes PCM at the input format (any rate, 8 or 16 bits, one or two channels) and
// converts it to the chosen codec format itself; the tags become the header attributes
// of WriteWmaAttributes once the file is finished.
class WmaWriter {
public:
    WmaWriter();
    virtual ~WmaWriter();

    int SetTargetPath(const std::string& path);
    int SetInputFormat(int sampleRate, int bitsPerSample, int channels);
    int SetOutputFormat(const WmaFormat& format);
    // Empty texts are written as empty attributes; the track as its leading number.
    void SetTags(const TagInfo& tags);
    // Creates the file, the encoder and the converter and writes the header. 1 on success;
    // on failure everything is released.
    int Start();
    // One call's samples; 0 when the encoder or the file refused them.
    int WriteSamples16(const int16_t* left, const int16_t* right, int count);
    int WriteSamples8(const uint8_t* left, const uint8_t* right, int count);
    // Encodes what is left, finishes and closes the file; 0 when anything was lost.
    int Close();
    // Presentation time of the next sample, in 100-nanosecond units.
    uint64_t Time() const { return time_; }
    std::string ErrorText() const { return error_; }

private:
    struct State;
    int WritePlanes(const uint8_t* const* planes, int count);
    int EncodeFrames(bool final);
    int QueueSilence(int count);
    int DrainPackets();
    bool Fail(int code);
    // Records the failure of Start and releases what it built.
    int Abandon(int code);

    std::string path_;
    int inputRate_ = 0, inputBits_ = 0, inputChannels_ = 0;
    WmaFormat output_;
    TagInfo tags_;
    uint64_t time_ = 0;
    std::unique_ptr<State> state_;
    std::string error_;
};

}  // namespace tonewright
