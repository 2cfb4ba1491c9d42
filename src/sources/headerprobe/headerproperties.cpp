#include "sources/headerprobe/headerproperties.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "base/bigendian.h"
#include "base/inputtype.h"
#include "sources/bass/mpegframeheader.h"
#include "sources/bass/tagblocks.h"
#include "sources/clamptoint.h"
#include "sources/codecs/littleendian.h"
#include "sources/ffmpeg/mp3infoframe.h"
#include "sources/flacmetadata.h"

namespace tonewright {

namespace {

constexpr uint16_t kPcmTag = 1;
// Chunks that give the stream a second meaning (a video stream, another codec's header):
// such files take the decoder's way.
constexpr const char* kUnusualChunks[] = {"SMV0", "XMA2"};
// Frame headers checked from the first audio frame on: the decoder's demuxer takes a frame
// as the start of the audio only when the next one matches it.
constexpr int kFramesToCheck = 3;
constexpr size_t kMp3HeadBytes = 8192;
// Chunks looked at before a file is left to its decoder: plain files have a handful, and a
// file made of millions of tiny ones must not cost a read each here.
constexpr int kMostChunks = 256;
constexpr uint32_t kFlacStreamInfoBytes = 34;

// An open file read at offsets, closed when it goes.
class HeaderFile {
public:
    // Opened without waiting, as a named pipe would make it wait for a writer.
    explicit HeaderFile(const std::string& path)
        : fd_(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK)) {
        struct stat info;
        if (fd_ >= 0 && fstat(fd_, &info) == 0 && S_ISREG(info.st_mode)) size_ = static_cast<uint64_t>(info.st_size);
    }
    ~HeaderFile() {
        if (fd_ >= 0) close(fd_);
    }
    HeaderFile(const HeaderFile&) = delete;
    HeaderFile& operator=(const HeaderFile&) = delete;

    bool usable() const { return size_ > 0; }
    int descriptor() const { return fd_; }
    uint64_t size() const { return size_; }
    // Up to `count` bytes from `offset`; the number read.
    size_t ReadAt(uint64_t offset, void* buffer, size_t count) const {
        const ssize_t got = pread(fd_, buffer, count, static_cast<off_t>(offset));
        return got > 0 ? static_cast<size_t>(got) : 0;
    }

private:
    int fd_ = -1;
    uint64_t size_ = 0;
};

// Seconds, whole seconds and bit rate as the decoder's source reports them: the average
// rate of the bytes from the first audio packet to the end of the audio (before trailing
// tag blocks).
bool SetTimes(const std::string& path, uint64_t firstPacket, int64_t frames, HeaderProperties& properties) {
    FileTagLayout tags;
    if (frames <= 0 || !ReadFileTagLayout(path, tags)) return false;
    const uint64_t end = tags.AudioEnd();
    uint64_t start = firstPacket < end ? firstPacket : tags.AudioStart();
    if (start > end) start = 0;
    const double seconds = static_cast<double>(frames) / properties.sampleRate;
    properties.durationSeconds = ClampToInt(seconds);
    properties.bitrateKbps = AverageKbps(end - start, seconds);
    return true;
}

// A 16- or 8-bit PCM WAV file of one or two channels whose data chunk lies within the file.
bool ReadWavProperties(const std::string& path, HeaderProperties& properties) {
    const HeaderFile file(path);
    uint8_t header[12];
    if (!file.usable() || file.ReadAt(0, header, sizeof header) != sizeof header ||
        std::memcmp(header, "RIFF", 4) != 0 || std::memcmp(header + 8, "WAVE", 4) != 0)
        return false;
    bool haveFormat = false;
    uint64_t dataOffset = 0, dataSize = 0;
    int bits = 0;
    int parts = 0;
    for (uint64_t at = sizeof header; at + 8 <= file.size();) {
        if (++parts > kMostChunks) return false;
        uint8_t chunk[24];
        const size_t got = file.ReadAt(at, chunk, sizeof chunk);
        if (got < 8) return false;
        for (const char* unusual : kUnusualChunks)
            if (std::memcmp(chunk, unusual, 4) == 0) return false;
        const uint64_t size = LoadLe32(chunk + 4);
        if (std::memcmp(chunk, "fmt ", 4) == 0 && !haveFormat) {
            if (size < 16 || got < 24 || LoadLe16(chunk + 8) != kPcmTag) return false;
            properties.sourceChannels = LoadLe16(chunk + 10);
            properties.sampleRate = static_cast<int>(LoadLe32(chunk + 12));
            bits = LoadLe16(chunk + 22);
            const int blockAlign = LoadLe16(chunk + 20);
            if (properties.sourceChannels < 1 || properties.sourceChannels > 2 || properties.sampleRate <= 0 ||
                (bits != 8 && bits != 16) || blockAlign != properties.sourceChannels * bits / 8)
                return false;
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            // The demuxer takes the last of several data chunks and refuses a short list.
            if (!haveFormat || dataOffset != 0 || size == 0 || size == 0xFFFFFFFFu) return false;
            dataOffset = at + 8;
            dataSize = size;
        } else if (std::memcmp(chunk, "LIST", 4) == 0 && size < 4) {
            return false;
        }
        // Chunks start at even offsets.
        at += 8 + size + (size & 1);
    }
    if (dataOffset == 0 || dataOffset + dataSize > file.size()) return false;
    const uint64_t frameBits = static_cast<uint64_t>(properties.sourceChannels) * static_cast<uint64_t>(bits);
    const auto frames = static_cast<int64_t>(dataSize * 8 / frameBits);
    return SetTimes(path, dataOffset, frames, properties);
}

// An MP3 file whose audio starts, right after at most one ID3v2 tag, with an Info frame
// followed by matching frames.
bool ReadMp3Properties(const std::string& path, HeaderProperties& properties) {
    const HeaderFile file(path);
    uint8_t tagHeader[kId3v2HeaderBytes];
    if (!file.usable() || file.ReadAt(0, tagHeader, sizeof tagHeader) != sizeof tagHeader) return false;
    const uint64_t audioStart = Id3v2TagSize(tagHeader);
    uint8_t head[kMp3HeadBytes];
    const size_t got = file.ReadAt(audioStart, head, sizeof head);

    // The Info frame, then the frames the audio starts with, alike in all but their bit rate.
    MpegFrameHeader info, first, frame;
    if (got < 4 || !ReadMpegFrameHeader(head, info)) return false;
    const size_t firstAudio = static_cast<size_t>(info.frameBytes);
    size_t at = firstAudio;
    for (int i = 0; i < kFramesToCheck; ++i) {
        if (at + 4 > got || !ReadMpegFrameHeader(head + at, frame)) return false;
        if (i == 0) first = frame;
        if (frame.streamBits != first.streamBits) return false;
        at += static_cast<size_t>(frame.frameBytes);
    }
    Mp3InfoFrame infoFrame;
    if (!ReadMp3InfoFrame(path, infoFrame)) return false;
    properties.sampleRate = first.sampleRate;
    properties.channelMode = first.channelMode;
    properties.sourceChannels = first.channelMode == kModeMono ? 1 : 2;
    return SetTimes(path, audioStart + firstAudio, DecodedMp3Frames(infoFrame), properties);
}

// A FLAC file that starts with its stream marker and states its length, of one or two
// channels: the audio starts where the last metadata block ends.
bool ReadFlacProperties(const std::string& path, HeaderProperties& properties) {
    const HeaderFile file(path);
    uint8_t marker[4 + 4 + kFlacStreamInfoBytes];
    if (!file.usable() || file.ReadAt(0, marker, sizeof marker) != sizeof marker ||
        std::memcmp(marker, "fLaC", 4) != 0 || (marker[4] & 0x7F) != 0 || LoadBe24(marker + 5) != kFlacStreamInfoBytes)
        return false;
    const uint8_t* info = marker + 8;
    properties.sampleRate = static_cast<int>(LoadBe24(info + 10) >> 4);
    properties.sourceChannels = ((info[12] >> 1) & 7) + 1;
    const int64_t frames = static_cast<int64_t>(info[13] & 0x0F) << 32 | LoadBe32(info + 14);
    if (properties.sampleRate <= 0 || properties.sourceChannels > 2) return false;
    const int64_t audioStart = WalkFlacMetadata(file.descriptor(), 0);
    if (audioStart < 0 || static_cast<uint64_t>(audioStart) >= file.size()) return false;
    return SetTimes(path, static_cast<uint64_t>(audioStart), frames, properties);
}

}  // namespace

bool ReadHeaderProperties(const std::string& path, int inputType, HeaderProperties& properties) {
    HeaderProperties read;
    const bool known = inputType == kInputWav   ? ReadWavProperties(path, read)
                       : inputType == kInputMp3 ? ReadMp3Properties(path, read)
                       : inputType == kInputFlac ? ReadFlacProperties(path, read)
                                                : false;
    if (known) properties = read;
    return known;
}

int AverageKbps(uint64_t bytes, double seconds) {
    return ClampToInt(static_cast<double>(bytes) / (seconds * 125) + 0.5);
}

}  // namespace tonewright
