#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "encoders/outputfile.h"

struct lame_global_struct;

namespace tonewright {

// Writes an MPEG audio layer III file from 16-bit PCM through LAME, at a constant bit rate or
// by VBR quality: an optional ID3v2 block first, then the frames, then an optional 128-byte
// ID3v1 block. With the information frame on (always with VBR) the first frame is LAME's
// Xing/Info frame, written over LAME's placeholder once encoding has ended: frame count,
// seek table, encoder delay and padding, so that decoders that read it give the exact length.
// LAME adds no tags of its own; the tag blocks are built elsewhere (or copied from an MP3
// source) and only carried.
class Mp3Encoder {
public:
    Mp3Encoder() = default;
    virtual ~Mp3Encoder();
    Mp3Encoder(const Mp3Encoder&) = delete;
    Mp3Encoder& operator=(const Mp3Encoder&) = delete;

    // Closes what was open, creates the target and a LAME context. 1 when both exist.
    int Open(const std::string& path);

    // Configuration, between Open and Start.
    void SetInSampleRate(int hz);
    void SetOutSampleRate(int hz);
    void SetChannels(int count);  // kept within 1..2
    void SetMode(int mode);       // 0 stereo, 1 joint stereo, 3 mono; anything else is stereo
    void SetBitrate(int kbps);    // kept within 8..320
    void SetVbrQuality(int quality);  // variable bit rate at LAME's V0 (best) .. V9, instead of a bit rate
    void SetInfoFrame(bool write);
    void SetId3v1Tag(const uint8_t* block128);
    void SetId3v2Tag(const uint8_t* block, uint32_t length);

    // Lets LAME check the parameters and writes the ID3v2 block. 0 when LAME refuses them or
    // the write failed.
    int Start();
    // Encodes `count` samples per channel (right is not read with one channel). 0 on a LAME
    // error or a failed write.
    int WriteSamples16(const int16_t* left, const int16_t* right, int count);
    // Flushes the last frames, appends the ID3v1 block and closes. 1 when every byte
    // reached the file; also 1 when nothing was open and nothing had failed.
    int Close();
    std::string ErrorText() const;

private:
    struct LameCloser {
        void operator()(lame_global_struct* lame) const;
    };

    bool WriteEncoded(int byteCount);
    bool WriteInfoFrame();

    OutputFile file_;
    std::unique_ptr<lame_global_struct, LameCloser> lame_;
    std::vector<uint8_t> encoded_;
    std::vector<uint8_t> id3v1_;
    std::vector<uint8_t> id3v2_;
    bool started_ = false;
    bool vbr_ = false;
    bool infoFrame_ = false;
    std::string lameError_;
};

}  // namespace tonewright
