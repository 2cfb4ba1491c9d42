#pragma once

#include <string>

#include "sources/audiosource.h"
#include "sources/codecs/planarreader.h"

namespace tonewright {

struct AuHeader;

// Tonewright's own Sun/NeXT AU reader, for headers in either byte order. Decodes linear PCM
// of 8, 16, 24 and 32 bits, 32- and 64-bit float, mu-law, A-law, and G.721 / G.723 ADPCM,
// delivered in blocks as 16 bits; of more than two channels the first two are delivered.
// Frames deliver up to 8 channels, all of them, with the usual mask of their count, 24- and
// 32-bit integers as 24 bits (32-bit ones without their lowest 8 bits) and float as float. A
// sample rate below 1000 Hz or above 768 kHz is taken as 8000 Hz, and a channel count of
// 0 or above 65535 as 1, rather than refusing the file. length and position count bytes of
// the sound data. The file is streamed: memory use does not grow with its length.
class AuSource : public AudioSource {
public:
    AuSource() = default;
    ~AuSource() override;

    void Close() override;
    // renderRate is not used: AU files are not rendered.
    int Open(const std::string& path, int renderRate) override;
    int ReadBlock(void* left, void* right) override;
    FrameFormat GetFrameFormat() const override;
    int ReadFrames(float* frames) override;

private:
    bool StartReading(UniqueFile file, const AuHeader& header, uint64_t dataBytes);

    PlanarReader reader_;
    FrameFormat frameFormat_;  // channels 0 when frames come from the blocks
};

}  // namespace tonewright
