#include "sources/ffmpeg/containerinput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

extern "C" {
#include <libavformat/avio.h>
#include <libavutil/error.h>
#include <libavutil/mem.h>
}

namespace tonewright {

namespace {

// FFmpeg's own buffer size for files.
constexpr int kBufferBytes = 32768;
constexpr int kId3v2HeaderBytes = 10;
constexpr uint8_t kFlacLastBlock = 0x80;
constexpr uint8_t kFlacPadding = 1;
constexpr uint8_t kFlacVorbisComment = 4;
// Metadata blocks looked through for the comment block; real files have a handful.
constexpr int kMaxFlacBlocks = 256;

bool ReadAt(int descriptor, int64_t offset, uint8_t* bytes, size_t count) {
    return pread(descriptor, bytes, count, offset) == static_cast<ssize_t>(count);
}

// The size of a whole ID3v2 tag (header, body, v2.4 footer) from its header; 0 when the
// bytes are not one.
int64_t Id3v2Size(const uint8_t* header) {
    if (std::memcmp(header, "ID3", 3) != 0 || header[3] == 0xFF || header[4] == 0xFF) return 0;
    int64_t body = 0;
    for (int i = 6; i < 10; ++i) {
        if (header[i] & 0x80) return 0;
        body = body << 7 | header[i];
    }
    const bool footer = header[3] == 4 && (header[5] & 0x10);
    return kId3v2HeaderBytes + body + (footer ? kId3v2HeaderBytes : 0);
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
    if (!ReadAt(descriptor_, 0, header, sizeof header)) return;
    skipBytes_ = Id3v2Size(header);
    // A FLAC stream: "fLaC", then metadata blocks, each a 4-byte header (last-block flag and
    // type, then the 24-bit length of its body).
    int64_t at = skipBytes_;
    if (!ReadAt(descriptor_, at, header, 4) || std::memcmp(header, "fLaC", 4) != 0) return;
    at += 4;
    for (int block = 0; block < kMaxFlacBlocks && ReadAt(descriptor_, at, header, 4); ++block) {
        if ((header[0] & ~kFlacLastBlock) == kFlacVorbisComment) {
            hiddenBlockType_ = at;
            return;
        }
        if (header[0] & kFlacLastBlock) return;
        at += 4 + (int64_t{header[1]} << 16 | header[2] << 8 | header[3]);
    }
}

int ContainerInput::Read(void* opaque, uint8_t* buffer, int size) {
    auto& input = *static_cast<ContainerInput*>(opaque);
    const ssize_t got = pread(input.descriptor_, buffer, static_cast<size_t>(size), input.offset_);
    if (got < 0) return AVERROR(errno);
    if (got == 0) return AVERROR_EOF;
    const int64_t hidden = input.hiddenBlockType_ - input.offset_;
    if (input.hiddenBlockType_ >= 0 && hidden >= 0 && hidden < got)
        buffer[hidden] = static_cast<uint8_t>((buffer[hidden] & kFlacLastBlock) | kFlacPadding);
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
