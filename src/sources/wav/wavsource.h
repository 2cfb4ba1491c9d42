#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "base/filecloser.h"
#include "sources/audiosource.h"
#include "sources/codecs/blockdecoder.h"
#include "sources/codecs/directframes.h"
#include "sources/wav/wavsamples.h"

namespace tonewright {

struct WavFormat;
struct WavLayout;

// Tonewright's own RIFF/WAVE reader. Decodes integer PCM (8, 16, 24 and 32 bits, plain or
// extensible), IEEE float (32 and 64 bits), A-law, mu-law, Microsoft ADPCM, IMA ADPCM and
// GSM 06.10. In blocks 8-bit PCM is delivered as 8 bits, everything else as 16 bits; of more
// than two channels the first two are delivered. PCM, float, A-law and mu-law of up to 8
// channels are also delivered as frames of every channel, at the stored width (32-bit
// integers as 24 bits, their lowest 8 bits dropped), with the extensible header's channel
// mask (or the usual one of the count); the file's channel order is the road's. length and
// position count bytes of the data chunk. The file is streamed: memory use does not grow
// with its length.
class WavSource : public AudioSource {
public:
    WavSource() = default;
    ~WavSource() override;

    void Close() override;
    // renderRate is not used: WAV files are not rendered.
    int Open(const std::string& path, int renderRate) override;
    int ReadBlock(void* left, void* right) override;
    FrameFormat GetFrameFormat() const override;
    int ReadFrames(float* frames) override;

private:
    using Reader = int (WavSource::*)(void* left, void* right);

    bool SetUpDecoding(const WavFormat& format);
    bool SetUpPcm(uint16_t storedBits);
    bool SetUpFloat(uint16_t storedBits);
    bool SetUpDirect(WavSampleDecoder decoder, size_t storedSampleBytes, FrameSample wide = {});
    bool SetUpBlocks(std::unique_ptr<BlockDecoder> decoder);
    void SetMeasures(const WavLayout& layout, uint64_t fileSize);

    size_t ReadData(size_t wanted);
    template <typename Sample>
    int ReadDirect(void* left, void* right);
    int ReadBlocks(void* left, void* right);
    bool DecodeNextBlock();

    Reader reader_ = nullptr;                  // the block reader chosen for the stored format
    WavSampleDecoder decodeSample_ = nullptr;  // direct readers: one stored sample to one delivered
    std::unique_ptr<std::FILE, FileCloser> file_;
    std::unique_ptr<BlockDecoder> blockDecoder_;  // ADPCM and GSM
    std::vector<uint8_t> raw_;                    // one read's worth of stored bytes
    std::vector<int16_t> decoded_;                // one decoded block, interleaved (ADPCM and GSM)
    size_t storedSampleBytes_ = 0;                // direct readers: bytes of one stored sample
    size_t frameBytes_ = 0;                       // direct readers: bytes of one frame of all channels
    size_t decodedFill_ = 0;                      // samples held in decoded_, 0 when it is used up
    size_t cursor_ = 0;                           // index of the next undelivered sample in decoded_
    int readError_ = 0;                           // the error number of a read that failed, 0 if none
    DirectFrames frames_;                         // frame delivery of direct readers
    FrameFormat frameFormat_;                     // channels 0 when frames come from the blocks
};

}  // namespace tonewright
