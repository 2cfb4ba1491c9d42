#pragma once

#include <string>

#include "sources/audiosource.h"
#include "sources/ffmpeg/ffmpegcontainer.h"

namespace tonewright {

// The probing FFmpeg source, used when a file is added to the list: reads the properties
// of the first audio stream and the size and frame rate of the first video stream without
// opening a decoder. A file without an audio stream is accepted (sample rate 0).
// ReadBlock always returns 0; length and position stay 0.
class FfmpegProbeSource : public AudioSource {
public:
    FfmpegProbeSource() = default;
    ~FfmpegProbeSource() override;

    void Close() override;
    // renderRate is not used.
    int Open(const std::string& path, int renderRate) override;
    int ReadBlock(void* left, void* right) override;

private:
    void ReadAudioProperties(const AVStream& stream);
    void ReadVideoProperties(const AVStream& stream);

    FormatContextPtr container_;
    int audioStream_ = -1;
};

}  // namespace tonewright
