#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "metadata/taginfo.h"
#include "sources/audiosource.h"
#include "sources/ffmpeg/ffmpegdecoder.h"

namespace tonewright {

// Windows Media files (ASF container): the first audio stream decoded to 16-bit samples,
// the header attributes as tags. Length and position are in 100-nanosecond units.
class WmaSource : public AudioSource {
public:
    WmaSource() = default;
    ~WmaSource() override;

    // 0 when the Windows Media codecs are missing or the file is no ASF file with audio.
    int Open(const std::string& path, int renderRate) override;
    int ReadBlock(void* left, void* right) override;
    // The attributes as read; the track number as decimal text, "0" when there is none.
    // Always 1.
    int GetTags(TagInfo& tags) override;
    void Close() override;

private:
    FfmpegDecoder decoder_;
    TagInfo tags_;
    int track_ = 0;
    uint64_t framesRead_ = 0;
    std::vector<int16_t> block_;
    bool opened_ = false;
};

}  // namespace tonewright
