#pragma once

#include <cstdint>
#include <string>

#include "sources/audiosource.h"
#include "sources/codecs/planarreader.h"

namespace tonewright {

struct AiffLayout;

// Tonewright's own AIFF and AIFF-C reader. Decodes big- and little-endian integer PCM of 1
// to 32 bits, 32- and 64-bit float, A-law, mu-law, 8-bit offset binary, Apple IMA4, GSM
// 06.10 and DWVW of 8 to 24 bits. In blocks samples of up to 8 bits are delivered as 8
// bits, the rest as 16. Of 3 or 4 channels the first two are delivered, of 6 (left, left
// centre, centre, right, right centre, surround) the first and the fourth; other counts
// above 2 are refused. Frames deliver every channel, taken from AIFF's channel order to the
// road's, 24- and 32-bit integers as 24 bits (32-bit ones without their lowest 8 bits) and
// float as float; the coded kinds as 16 bits. length is the file's size and position the
// file offset reached, so progress starts at the first sample byte. The file is streamed:
// memory use does not grow with its length.
class AiffSource : public AudioSource {
public:
    AiffSource() = default;
    ~AiffSource() override;

    void Close() override;
    // renderRate is not used: AIFF files are not rendered.
    int Open(const std::string& path, int renderRate) override;
    int ReadBlock(void* left, void* right) override;
    FrameFormat GetFrameFormat() const override { return frameFormat_; }
    int ReadFrames(float* frames) override;
    // The tags of the file's "ID3 " chunk (an ID3v2 tag), read with TagLib; 0 when it has
    // none.
    int GetTags(TagInfo& tags) override;

private:
    bool StartReading(UniqueFile file, const AiffLayout& layout);

    PlanarReader reader_;
    uint64_t dataStart_ = 0;
    FrameFormat frameFormat_;
    std::string path_;
};

}  // namespace tonewright
