#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/speakerlayout.h"

struct AVFormatContext;

namespace tonewright {

// What the decoder delivers: interleaved samples of every stored channel, unsigned 8-bit
// when the stream is 8-bit PCM, else signed 16-bit (planar, float, double and wide integer
// decoder output converted with FFmpeg's own converter, so the samples equal those of the
// ffmpeg program); the same mixed down to two channels when the stream has more (as
// "ffmpeg -ac 2" mixes); or frames of every stored channel as 32-bit floats (full scale
// +-1.0) in FFmpeg's native order, which is the road's ascending speaker order.
enum class DecodedForm { kSamples, kStereoSamples, kFloatFrames };

// Decodes the first audio stream of any file FFmpeg opens in one of the decoded forms.
// Encoder delay and padding that the container declares are dropped as the ffmpeg program
// drops them. Should the decoder change rate
// or layout within the stream, the samples keep the format announced by Open.
// Shared by the FFmpeg source and the stream kind of the decoder layer; one object serves
// one file and may be used on any one thread at a time.
class FfmpegDecoder {
public:
    FfmpegDecoder();
    ~FfmpegDecoder();
    FfmpegDecoder(const FfmpegDecoder&) = delete;
    FfmpegDecoder& operator=(const FfmpegDecoder&) = delete;

    bool Open(const std::string& path, DecodedForm form = DecodedForm::kSamples);
    void Close();

    // Channels delivered by Read.
    int Channels() const;
    // Channels of the stored stream.
    int StoredChannels() const;
    int SampleRate() const;
    int BitsPerSample() const;  // 8 or 16; 32 for float frames
    // The stored stream as float frames deliver it: every channel, the speakers of its
    // layout (the usual ones of the count when the layout names none or is not in native
    // order) and its width: 8 for unsigned 8-bit, 24 for 32-bit integers that hold more
    // than 16 bits, kFloatBits for float of lossless codecs, 16 for everything else (lossy
    // codecs decode to float whatever their source was). Frames of 32-bit integers holding
    // more than 24 bits are rounded down to 24 bits.
    FrameFormat StoredFormat() const;
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
