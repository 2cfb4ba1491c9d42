#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sources/audiosource.h"
#include "sources/ffmpeg/ffmpegdecoder.h"

namespace tonewright {

// The decoding FFmpeg source: the first audio stream of any file FFmpeg opens (video
// files, the MP4 family, Speex and whatever no other decoder takes). In blocks a stream of
// more than two channels is mixed down to two. Frames of more than two channels or more
// than 16 bits deliver up to 8 stored channels unmixed at their stored width (see
// FfmpegDecoder::StoredFormat): the decoder is opened again for them. length and position
// count bytes of the file.
class FfmpegSource : public AudioSource {
public:
    FfmpegSource() = default;
    ~FfmpegSource() override;

    void Close() override;
    // renderRate is not used: nothing FFmpeg decodes is rendered.
    int Open(const std::string& path, int renderRate) override;
    int ReadBlock(void* left, void* right) override;
    FrameFormat GetFrameFormat() const override;
    bool BeginFrames() override;
    int ReadFrames(float* frames) override;
    // From the container's metadata; from the file's tags as TagLib reads them when the
    // container was kept off them (a leading ID3v2 tag, FLAC's Vorbis comments).
    int GetTags(TagInfo& tags) override;

private:
    FfmpegDecoder decoder_;
    std::string path_;
    bool wideFrames_ = false;  // the decoder delivers float frames
    std::vector<uint8_t> interleaved_;  // one block as the decoder delivers it
};

}  // namespace tonewright
