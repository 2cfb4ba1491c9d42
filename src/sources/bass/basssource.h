#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sources/audiosource.h"
#include "sources/bass/bass.h"

namespace tonewright {

// The source that decodes through the decoder layer (sources/bass/bass.h): MP3 and every
// stream format the layer opens, CD tracks, tracker modules, and MIDI files. It also hands
// out an MP3 file's raw ID3v1 and ID3v2 blocks and every file's tag text. length and
// position count bytes of decoded PCM as the layer counts them. Frames of a stream with
// more than two channels or more than 16 bits deliver up to 8 channels at their stored
// width, from a float stream of the layer created again for them; rendered songs and CD
// tracks deliver their 16-bit stereo blocks as frames.
class BassSource : public AudioSource {
public:
    BassSource() = default;
    ~BassSource() override;

    // Frees the channel, the block buffer and the tag copies. The properties stay as they
    // were until the next Open.
    void Close() override;
    // MIDI files (".mid", ".midi", ".rmi", ".kar") and tracker modules render at renderRate
    // (0: the layer's output rate).
    int Open(const std::string& path, int renderRate) override;
    int ReadBlock(void* left, void* right) override;
    FrameFormat GetFrameFormat() const override;
    bool BeginFrames() override;
    int ReadFrames(float* frames) override;

    uint64_t GetPosition() const override;
    // Only for MP3 files (by extension).
    const uint8_t* GetId3v1Tag() const override;
    const uint8_t* GetId3v2Tag(int& tagLength) const override;
    int GetTags(TagInfo& tags) override;

private:
    enum Kind { kStream = 0, kMp3 = 1, kModule = 2, kMidi = 3 };

    void ProbeChannelMode(const std::string& path);
    void SetBitrate();
    void SetFrameFormat(const BASS_CHANNELINFO& info);

    uint32_t channel_ = 0;
    std::vector<uint8_t> blockBuffer_;  // interleaved frames of a stereo or multichannel read
    // Copies of the tags, made when first asked for.
    mutable std::vector<uint8_t> id3v1_;
    mutable std::vector<uint8_t> id3v2_;
    int kind_ = kStream;
    std::string path_;
    FrameFormat frameFormat_;   // channels 0 when frames come from the blocks
    bool floatFrames_ = false;  // the channel decodes to float frames
};

}  // namespace tonewright
