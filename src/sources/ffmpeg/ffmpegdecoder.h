#pragma once

// INTERFACE DRAFT — to be implemented (and refined where needed) by the FFmpeg work.
#include <cstdint>
#include <memory>
#include <string>

struct AVFormatContext;

namespace tonewright {

// Decodes the first audio stream of any file FFmpeg opens into interleaved samples with
// every channel of the stream: unsigned 8-bit when the stream is 8-bit PCM, else signed
// 16-bit (planar and float decoder output converted). Shared by the FFmpeg source and the
// stream kind of the decoder layer.
class FfmpegDecoder {
public:
    FfmpegDecoder();
    ~FfmpegDecoder();
    FfmpegDecoder(const FfmpegDecoder&) = delete;
    FfmpegDecoder& operator=(const FfmpegDecoder&) = delete;

    bool Open(const std::string& path);
    void Close();

    int Channels() const;
    int SampleRate() const;
    int BitsPerSample() const;  // 8 or 16
    // Frames of the whole stream as exactly as the container tells; 0 when unknown.
    int64_t TotalFrames() const;
    int64_t FileSize() const;
    // The container's current byte offset in the file.
    int64_t ByteOffset() const;
    // Bits per second of the stored stream (or of the container), 0 when unknown.
    int64_t Bitrate() const;
    // Reads up to maxFrames interleaved frames; returns the frames read, 0 at the end, -1 on
    // an error that ends the stream.
    int Read(void* interleaved, int maxFrames);
    // For readers of metadata and of the first video stream.
    AVFormatContext* Format() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace tonewright
