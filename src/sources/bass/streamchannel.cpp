#include "sources/bass/streamchannel.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "sources/bass/filebytes.h"
#include "sources/bass/tagblocks.h"
#include "sources/ffmpeg/ffmpegcontainer.h"
#include "sources/ffmpeg/ffmpegdecoder.h"

namespace tonewright {

namespace {

// FFmpeg's demuxer for tracker modules; such files are rendered by the module loader.
constexpr const char* kTrackerDemuxer = "libopenmpt";
// Packets of other streams (video) that may come before the first audio packet.
constexpr int kMaxPacketsBeforeAudio = 1000;

// Where the first packet of the audio stream lies in the file: after the container's
// headers (FLAC metadata with its pictures, the WAV header), a leading tag, and an MP3
// file's Xing or Info frame, which holds no sound. -1 when the demuxer does not tell.
int64_t FirstAudioPacketOffset(const std::string& path) {
    const FormatContextPtr container = OpenContainer(path);
    if (!container) return -1;
    const int stream = FirstStreamOf(*container, AVMEDIA_TYPE_AUDIO);
    const std::unique_ptr<AVPacket, PacketFree> packet(av_packet_alloc());
    if (stream < 0 || !packet) return -1;
    for (int i = 0; i < kMaxPacketsBeforeAudio && av_read_frame(container.get(), packet.get()) >= 0; ++i) {
        const bool found = packet->stream_index == stream;
        const int64_t offset = packet->pos;
        av_packet_unref(packet.get());
        if (found) return offset;
    }
    return -1;
}

class StreamChannel : public Channel {
public:
    StreamChannel(const std::string& path, std::unique_ptr<FfmpegDecoder> decoder, const FileTagLayout& tags,
                  uint64_t audioStart)
        : Channel(Kind::Stream, path), decoder_(std::move(decoder)), tags_(tags), audioStart_(audioStart) {
        layout_ = {decoder_->SampleRate(), decoder_->Channels(), decoder_->BitsPerSample()};
        lengthFrames_ = static_cast<uint64_t>(std::max<int64_t>(decoder_->TotalFrames(), 0));
    }

    int64_t AudioDataStart() override { return static_cast<int64_t>(audioStart_); }
    int64_t AudioDataEnd() override { return static_cast<int64_t>(tags_.AudioEnd()); }

    const uint8_t* Id3v1Block() override {
        if (id3v1_.empty() && tags_.hasId3v1) {
            id3v1_ = ReadFileRange(path(), tags_.fileSize - kId3v1Bytes, kId3v1Bytes);
            if (!id3v1_.empty() && std::memcmp(id3v1_.data(), "TAG", 3) != 0) id3v1_.clear();
        }
        return id3v1_.empty() ? nullptr : id3v1_.data();
    }

    const uint8_t* Id3v2Block() override {
        if (id3v2_.empty() && tags_.id3v2Bytes > 0) {
            id3v2_ = ReadFileRange(path(), 0, tags_.id3v2Bytes);
            // The caller sizes its copy from the header, so the block must hold that much
            // even if the file changed since it was opened.
            if (!id3v2_.empty() && Id3v2TagSize(id3v2_.data()) != id3v2_.size()) id3v2_.clear();
        }
        return id3v2_.empty() ? nullptr : id3v2_.data();
    }

protected:
    int Decode(void* buffer, int maxFrames) override { return decoder_->Read(buffer, maxFrames); }

private:
    std::unique_ptr<FfmpegDecoder> decoder_;
    FileTagLayout tags_;
    uint64_t audioStart_ = 0;
    std::vector<uint8_t> id3v1_;  // read when first asked for
    std::vector<uint8_t> id3v2_;
};

}  // namespace

std::unique_ptr<Channel> OpenStreamChannel(const std::string& path) {
    auto decoder = std::make_unique<FfmpegDecoder>();
    if (!decoder->Open(path)) return nullptr;
    if (std::strcmp(decoder->Format()->iformat->name, kTrackerDemuxer) == 0) return nullptr;
    FileTagLayout tags;
    if (!ReadFileTagLayout(path, tags)) return nullptr;
    const int64_t packet = FirstAudioPacketOffset(path);
    const uint64_t audioStart = packet >= 0 && static_cast<uint64_t>(packet) < tags.AudioEnd()
                                    ? static_cast<uint64_t>(packet)
                                    : tags.AudioStart();
    return std::make_unique<StreamChannel>(path, std::move(decoder), tags, audioStart);
}

}  // namespace tonewright
