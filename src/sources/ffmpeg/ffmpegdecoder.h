#pragma once

#include <cstdint>
#include <memory>
#include <string>

struct AVFormatContext;

namespace tonewright {

// Decodes the first audio stream of any file FFmpeg opens into interleaved samples:
// unsigned 8-bit when the stream is 8-bit PCM, else signed 16-bit (planar, float, double
// and wide integer decoder output converted with FFmpeg's own converter, so the samples
// equal those of the ffmpeg program). Encoder delay and padding that the container
// declares are dropped as the ffmpeg program drops them. Should the decoder change rate
// or layout within the stream, the samples keep the format announced by Open.
// Shared by the FFmpeg source and the stream kind of the decoder layer; one object serves
// one file and may be used on any one thread at a time.
class FfmpegDecoder {
public:
    FfmpegDecoder();
    ~FfmpegDecoder();
    FfmpegDecoder(const FfmpegDecoder&) = delete;
    FfmpegDecoder& operator=(const FfmpegDecoder&) = delete;

    // Every channel of the stream is delivered, unless downmixToStereo is set and the
    // stream has more than two: those are mixed down to two (as "ffmpeg -ac 2" mixes).
    bool Open(const std::string& path, bool downmixToStereo = false);
    void Close();

    // Channels delivered by Read.
    int Channels() const;
    // Channels of the stored stream.
    int StoredChannels() const;
    int SampleRate() const;
    int BitsPerSample() const;  // 8 or 16
    // Frames of the whole stream as exactly as the container tells; 0 when unknown.
    int64_t TotalFrames() const;
    int64_t FileSize() const;
    // The container's current byte offset in the file.
    int64_t ByteOffset() const;
    // Bits per second of the stored stream (or of the container), 0 when unknown.
    int64_t Bitrate() const;
    // Reads up to maxFrames interleaved frames (Channels() samples each) into a buffer that
    // holds them; returns the frames read, 0 at the end, -1 when a read error of the file
    // ended the stream (after the frames decoded before it were delivered).
    int Read(void* interleaved, int maxFrames);
    // The text of the read error that ended the stream ("Input/output error"); empty when
    // none did.
    std::string ReadErrorText() const;
    // The file offset of the audio stream's first packet: after the container's headers, a
    // leading tag and an MP3 file's Info frame, which holds no sound; -1 when the demuxer
    // does not tell. Call before the first Read: the packet is read ahead and decoded first.
    int64_t FirstPacketOffset();
    // For readers of metadata and of the first video stream; null when closed.
    AVFormatContext* Format() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace tonewright
