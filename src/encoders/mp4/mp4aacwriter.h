#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "encoders/aac/aacstream.h"
#include "encoders/mp4/mp4file.h"
#include "metadata/taginfo.h"

namespace tonewright {

// Encodes PCM to AAC-LC and stores each raw frame as one sample of the audio track of an
// MP4 file of the given brand, with iTunes-style tags. The file keeps the rate and channels
// it is opened with.
class Mp4AacWriter {
public:
    explicit Mp4AacWriter(Mp4Brand brand = Mp4Brand::Mp4) : brand_(brand) {}
    virtual ~Mp4AacWriter();

    // Creates the file and the encoder (raw frames, preset configuration); frames of more
    // than two channels name their speakers by the mask. 1 on success.
    int Open(const std::string& path, int sampleRate, int channels, uint32_t channelMask);
    // The configuration to change between Open and Start; null when not open.
    AacConfiguration* Configuration() { return stream_.Configuration(); }
    // Configures the encoder and the track. 0 when the encoder refuses the configuration.
    int Start();
    // Empty texts are skipped; a track whose leading number is 0 writes no track item. The
    // copyright is not stored: iTunes-style MP4 tags have no item for it. The kept fields and
    // pictures are added by WriteMp4KeptTags once the file is closed.
    void SetTags(const TagInfo& tags);
    // 0 when encoding or writing failed.
    int WriteSamples16(const int16_t* left, const int16_t* right, int count);
    int WriteSamples8(const uint8_t* left, const uint8_t* right, int count);
    int WriteFrames(const float* frames, int count);
    // Drains the encoder, stores the last frames and finishes the file; 0 when anything was lost.
    int Close();
    std::string ErrorText() const;

private:
    static constexpr uint32_t kMovieTimeScale = 90000;
    static constexpr uint8_t kAudioProfileLevel = 0x0F;

    int WriteFrame(const uint8_t* frame, unsigned bytes, unsigned submitted);

    Mp4Brand brand_;
    std::unique_ptr<Mp4File> file_;
    AacStream stream_;
    AacStream::FrameSink sink_ = [this](const uint8_t* frame, unsigned bytes, unsigned submitted) {
        return WriteFrame(frame, bytes, submitted);
    };
    uint32_t track_ = 0;
    uint64_t submitted_ = 0;  // sample frames per channel handed to the encoder
    uint64_t written_ = 0;    // sum of the durations of the samples stored
    uint32_t frameLength_ = 0;
    int sampleRate_ = 0;
    std::string path_;
    TagInfo laterTags_;  // what WriteMp4KeptTags adds at the close
    std::string error_;
};

}  // namespace tonewright
