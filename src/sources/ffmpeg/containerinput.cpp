#include "sources/ffmpeg/containerinput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "sources/bass/tagblocks.h"
#include "sources/flacmetadata.h"

extern "C" {
#include <libavformat/avio.h>
#include <libavutil/error.h>
#include <libavutil/mem.h>
}

namespace tonewright {

namespace {

// FFmpeg's own buffer size for files.
constexpr int kBufferBytes = 32768;
constexpr uint8_t kFlacLastBlock = 0x80;
constexpr uint8_t kFlacPadding = 1;
constexpr uint8_t kFlacVorbisComment = 4;

bool ReadAt(int descriptor, int64_t offset, uint8_t* bytes, size_t count) {
    return pread(descriptor, bytes, count, offset) == static_cast<ssize_t>(count);
}

}  // namespace

std::unique_ptr<ContainerInput> ContainerInput::Open(const std::string& path) {
    std::unique_ptr<ContainerInput> input(new ContainerInput);
    input->descriptor_ = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (input->descriptor_ < 0) return nullptr;
    input->FindTagBlocks();
    auto* buffer = static_cast<unsigned char*>(av_malloc(kBufferBytes));
    if (!buffer) return nullptr;
    input->bytes_ = avio_alloc_context(buffer, kBufferBytes, 0, input.get(), Read, nullptr, Seek);
    if (!input->bytes_) {
        av_free(buffer);
        return nullptr;
    }
    return input;
}

ContainerInput::~ContainerInput() {
    if (bytes_) av_freep(&bytes_->buffer);
    avio_context_free(&bytes_);
    if (descriptor_ >= 0) close(descriptor_);
}

void ContainerInput::FindTagBlocks() {
    uint8_t header[kId3v2HeaderBytes];
    struct stat info;
    if (fstat(descriptor_, &info) != 0 || !ReadAt(descriptor_, 0, header, sizeof header)) return;
    // A tag that claims more than the file holds is left to FFmpeg, as it always was.
    const uint64_t tag = Id3v2TagSize(header);
    if (tag <= static_cast<uint64_t>(info.st_size)) skipBytes_ = static_cast<int64_t>(tag);
    // A FLAC stream's comment blocks.
    WalkFlacMetadata(descriptor_, skipBytes_, [this](int64_t at, uint8_t type) {
        if (type != kFlacVorbisComment) return;
        hiddenBlockTypes_.push_back(at);
        if (hiddenChannelMask_ == 0) hiddenChannelMask_ = FlacChannelMaskComment(descriptor_, at);
    });
}

int ContainerInput::Read(void* opaque, uint8_t* buffer, int size) {
    auto& input = *static_cast<ContainerInput*>(opaque);
    const ssize_t got = pread(input.descriptor_, buffer, static_cast<size_t>(size), input.offset_);
    if (got < 0) return AVERROR(errno);
    if (got == 0) return AVERROR_EOF;
    for (const int64_t typeOffset : input.hiddenBlockTypes_) {
        const int64_t at = typeOffset - input.offset_;
        if (at >= 0 && at < got) buffer[at] = static_cast<uint8_t>((buffer[at] & kFlacLastBlock) | kFlacPadding);
    }
    input.offset_ += got;
    return static_cast<int>(got);
}

int64_t ContainerInput::Seek(void* opaque, int64_t offset, int whence) {
    auto& input = *static_cast<ContainerInput*>(opaque);
    struct stat info;
    if (whence & AVSEEK_SIZE) return fstat(input.descriptor_, &info) == 0 ? info.st_size : AVERROR(errno);
    int64_t base = 0;
    switch (whence & ~AVSEEK_FORCE) {
        case SEEK_SET: break;
        case SEEK_CUR: base = input.offset_; break;
        case SEEK_END:
            if (fstat(input.descriptor_, &info) != 0) return AVERROR(errno);
            base = info.st_size;
            break;
        default: return AVERROR(EINVAL);
    }
    if (offset > INT64_MAX - base || base + offset < 0) return AVERROR(EINVAL);
    input.offset_ = base + offset;
    return input.offset_;
}

}  // namespace tonewright
