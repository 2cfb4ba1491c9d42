#include "sources/bass/streamchannel.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "sources/bass/filebytes.h"
#include "sources/bass/tagblocks.h"
#include "sources/ffmpeg/ffmpegdecoder.h"

extern "C" {
#include <libavformat/avformat.h>
}

namespace tonewright {

namespace {

// FFmpeg's demuxer for tracker modules; such files are rendered by the module loader.
constexpr const char* kTrackerDemuxer = "libopenmpt";

class StreamChannel : public Channel {
public:
    StreamChannel(const std::string& path, std::unique_ptr<FfmpegDecoder> decoder, const FileTagLayout& tags,
                  uint64_t audioStart)
        : Channel(Kind::Stream, path), decoder_(std::move(decoder)), tags_(tags), audioStart_(audioStart) {
        const FrameFormat stored = decoder_->StoredFormat();
        layout_ = {decoder_->SampleRate(), decoder_->Channels(),   decoder_->BitsPerSample(),
                   stored.bits,            stored.bits == kFloatBits, stored.mask};
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

std::unique_ptr<Channel> OpenStreamChannel(const std::string& path, bool floatFrames) {
    auto decoder = std::make_unique<FfmpegDecoder>();
    if (!decoder->Open(path, floatFrames ? DecodedForm::kFloatFrames : DecodedForm::kSamples)) return nullptr;
    if (std::strcmp(decoder->Format()->iformat->name, kTrackerDemuxer) == 0) return nullptr;
    FileTagLayout tags;
    if (!ReadFileTagLayout(path, tags)) return nullptr;
    const int64_t packet = decoder->FirstPacketOffset();
    const uint64_t audioStart = packet >= 0 && static_cast<uint64_t>(packet) < tags.AudioEnd()
                                    ? static_cast<uint64_t>(packet)
                                    : tags.AudioStart();
    return std::make_unique<StreamChannel>(path, std::move(decoder), tags, audioStart);
}

}  // namespace tonewright
