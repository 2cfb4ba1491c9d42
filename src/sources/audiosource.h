#pragma once

#include <cstdint>
#include <string>

#include "base/channelmode.h"
#include "base/speakerlayout.h"
#include "metadata/taginfo.h"

namespace tonewright {

// Samples per channel of one delivered block; callers size each channel buffer for this many.
constexpr int kBlockSamples = 1152;

// One decoder for one file. A source is either closed (all fields at their initial values,
// nothing held) or open. Every Open first closes what the object held; every Close ends
// with ResetFields; the destructor of each concrete class runs its Close.
//
// Delivered blocks (ReadBlock): planar, one buffer for the left (first) channel and one for
// the right (second) channel, at most kBlockSamples samples per channel. With 16 bits a
// sample is a signed 16-bit integer in host order; with 8 bits an unsigned byte with
// silence at 128. A mono source fills only the left buffer and is given no right buffer.
// A stored stream with more than two channels delivers two of them.
//
// Delivered frames (ReadFrames), the road for more than two channels or more than 16 bits:
// interleaved floats, GetFrameFormat().channels to a frame, ordered by the ascending speaker
// bits of its mask, full scale at +-1.0 (an integer sample divided by 2^(bits-1), so 16- and
// 24-bit samples pass exactly). A caller that reads frames calls BeginFrames once, before its
// first read, and then reads only frames.
//
// length and position share one unit of the class's choosing; they are used only for
// progress (a ratio) and, for rendered sources, as the end test position >= length.
class AudioSource {
public:
    AudioSource() = default;
    virtual ~AudioSource() = default;
    AudioSource(const AudioSource&) = delete;
    AudioSource& operator=(const AudioSource&) = delete;

    virtual void Close() = 0;
    // renderRate is used only by sources that render (MIDI, tracker modules); 0 when the
    // caller only reads properties. Returns 1 when opened, 0 when not.
    virtual int Open(const std::string& path, int renderRate) = 0;
    // Returns the samples per channel written (1..kBlockSamples); 0 at the end of the data
    // (also where a damaged or cut-short file ends early); negative when reading the file
    // failed, with ReadError() saying why.
    virtual int ReadBlock(void* left, void* right) = 0;
    // The samples as the file holds them; by default the delivered blocks' form (1 or 2
    // channels of 8 or 16 bits). Sources that read more override it with ReadFrames.
    virtual FrameFormat GetFrameFormat() const;
    // Readies the source to deliver frames; false when it cannot (the read error says why).
    virtual bool BeginFrames() { return true; }
    // Up to kBlockSamples frames into `frames` (kBlockSamples * kMaxRoadChannels floats);
    // returns as ReadBlock does. By default the delivered blocks, interleaved as floats.
    virtual int ReadFrames(float* frames);
    // The system's text for the failure of the last ReadBlock ("Input/output error");
    // empty while reads succeed.
    const std::string& ReadError() const { return readError; }

    virtual uint64_t GetLength() const { return length; }
    virtual uint64_t GetPosition() const { return position; }
    virtual int GetDuration() const { return durationSeconds; }
    virtual int GetSourceChannels() const { return sourceChannels; }
    virtual int GetChannels() const { return channels; }
    virtual int GetSampleRate() const { return sampleRate; }
    virtual int GetBitsPerSample() const { return bitsPerSample; }
    virtual int GetChannelMode() const { return channelMode; }
    virtual int GetBitrate() const { return bitrateKbps; }
    // A 128-byte ID3v1 block, or null.
    virtual const uint8_t* GetId3v1Tag() const { return nullptr; }
    // The whole ID3v2 tag with its 10-byte header, or null (length 0).
    virtual const uint8_t* GetId3v2Tag(int& tagLength) const {
        tagLength = 0;
        return nullptr;
    }
    // 1 when the source has tags and filled the record, 0 otherwise (record untouched).
    virtual int GetTags(TagInfo& /*tags*/) { return 0; }
    virtual void GetVideoSize(int& width, int& height) const {
        width = videoWidth;
        height = videoHeight;
    }
    virtual double GetFrameRate() const { return frameRate; }

    // Sets channelMode to "not known", every other property to 0 and clears the read error.
    void ResetFields();

protected:
    // Keeps `text` as the read error (a generic one when empty) and returns -1, the count
    // ReadBlock returns for a failed read.
    int FailRead(const std::string& text);
    // The same with the system's text for errorNumber (EIO when 0).
    int FailRead(int errorNumber);

    uint64_t length = 0;
    uint64_t position = 0;
    int durationSeconds = 0;
    int sampleRate = 0;
    int sourceChannels = 0;
    int channels = 0;
    int bitsPerSample = 0;
    int bytesPerSample = 0;
    int bitrateKbps = 0;
    int channelMode = kModeUnknown;
    int videoWidth = 0;
    int videoHeight = 0;
    double frameRate = 0.0;
    std::string readError;
};

}  // namespace tonewright
