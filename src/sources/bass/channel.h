#pragma once

#include <cstdint>
#include <mutex>
#include <string>

namespace tonewright {

// The decoded sample layout of a channel: interleaved frames of `channels` samples, each
// unsigned 8-bit, signed 16-bit in host order or (bits 32) a float; what the decoded
// samples were stored as, when known.
struct PcmLayout {
    int rate = 0;
    int channels = 0;
    int bits = 16;
    int storedBits = 0;        // 0 when not known
    bool storedFloat = false;
    uint32_t mask = 0;         // the speakers of the channels, 0 when not known
    int FrameBytes() const { return channels * bits / 8; }
};

// One decoding channel of the layer. The layer's calls hold mutex() while they use it.
class Channel {
public:
    enum class Kind { Stream, Music, Midi };

    virtual ~Channel() = default;
    Channel(const Channel&) = delete;
    Channel& operator=(const Channel&) = delete;

    Kind kind() const { return kind_; }
    const PcmLayout& layout() const { return layout_; }
    const std::string& path() const { return path_; }
    std::mutex& mutex() { return mutex_; }

    uint64_t LengthBytes() const { return lengthFrames_ * static_cast<uint64_t>(layout_.FrameBytes()); }
    uint64_t PositionBytes() const { return positionFrames_ * static_cast<uint64_t>(layout_.FrameBytes()); }
    // Decodes whole frames into up to `bytes` bytes; the bytes written, 0 at the end, -1 when
    // the data could not be read and nothing was written (a failure after some frames shows
    // on the next call). Rendered channels end at their length.
    int64_t Read(void* buffer, uint32_t bytes);

    // File offsets of the start and end of the audio data; -1 when the channel has no file
    // data (rendered songs, CD tracks).
    virtual int64_t AudioDataStart() { return -1; }
    virtual int64_t AudioDataEnd() { return -1; }
    // The raw ID3v1 block (128 bytes) or ID3v2 tag of the file; null when there is none.
    virtual const uint8_t* Id3v1Block() { return nullptr; }
    virtual const uint8_t* Id3v2Block() { return nullptr; }

    // Keeps the text of the last TAGS_Read for its caller, who gets it back.
    const char* KeepTagsText(std::string text) {
        tagsText_ = std::move(text);
        return tagsText_.c_str();
    }

protected:
    Channel(Kind kind, std::string path) : kind_(kind), path_(std::move(path)) {}
    // Decodes up to maxFrames frames; the frames written, 0 at the end, -1 when the data
    // could not be read (a file or a disc that failed).
    virtual int Decode(void* buffer, int maxFrames) = 0;

    PcmLayout layout_;
    // Frames of the whole channel, as exactly as known.
    uint64_t lengthFrames_ = 0;
    // Rendered songs stop at lengthFrames_; streams decode to the end of their data.
    bool endsAtLength_ = false;

private:
    const Kind kind_;
    const std::string path_;
    std::mutex mutex_;
    uint64_t positionFrames_ = 0;
    std::string tagsText_;
};

}  // namespace tonewright
