#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sources/audiosource.h"
#include "sources/ffmpeg/ffmpegdecoder.h"

namespace tonewright {

// The decoding FFmpeg source: the first audio stream of any file FFmpeg opens (video
// files, the MP4 family, Speex and whatever no other decoder takes). A stream of more than
// two channels is mixed down to two. length and position count bytes of the file.
class FfmpegSource : public AudioSource {
public:
    FfmpegSource() = default;
    ~FfmpegSource() override;

    void Close() override;
    // renderRate is not used: nothing FFmpeg decodes is rendered.
    int Open(const std::string& path, int renderRate) override;
    int ReadBlock(void* left, void* right) override;
    // From the container's metadata; from the file's tags as TagLib reads them when the
    // container was kept off them (a leading ID3v2 tag, FLAC's Vorbis comments).
    int GetTags(TagInfo& tags) override;

private:
    FfmpegDecoder decoder_;
    std::string path_;
    std::vector<uint8_t> interleaved_;  // one block as the decoder delivers it
};

}  // namespace tonewright
