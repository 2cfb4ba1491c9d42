#include "encoders/muxeroutput.h"

extern "C" {
#include <libavformat/avio.h>
#include <libavutil/error.h>
#include <libavutil/mem.h>
}

#include <cstdio>

#include "encoders/ffmpegoutput.h"

namespace tonewright {

namespace {

constexpr int kStreamBufferSize = 64 * 1024;

}  // namespace

void MuxerOutput::ContextFree::operator()(AVIOContext* io) const {
    av_freep(&io->buffer);
    avio_context_free(&io);
}

MuxerOutput::~MuxerOutput() { Close(); }

bool MuxerOutput::Create(const std::string& path) {
    Close();
    error_.clear();
    position_ = 0;
    if (!file_.Create(path)) return false;
    auto* buffer = static_cast<unsigned char*>(av_malloc(kStreamBufferSize));
    if (buffer) io_.reset(avio_alloc_context(buffer, kStreamBufferSize, 1, this, nullptr, &WritePacket, &Seek));
    if (io_) return true;
    av_free(buffer);
    error_ = "out of memory";
    file_.Close();
    return false;
}

int MuxerOutput::WritePacket(void* opaque, uint8_t* data, int size) {
    auto& self = *static_cast<MuxerOutput*>(opaque);
    const bool ok = self.position_ == self.file_.Length() ? self.file_.Write(data, static_cast<size_t>(size))
                                                          : self.file_.WriteAt(self.position_, data, static_cast<size_t>(size));
    if (!ok) return AVERROR(EIO);
    self.position_ += static_cast<uint64_t>(size);
    return size;
}

// FFmpeg asks for the length with AVSEEK_SIZE and may add AVSEEK_FORCE to a plain seek.
int64_t MuxerOutput::Seek(void* opaque, int64_t offset, int whence) {
    auto& self = *static_cast<MuxerOutput*>(opaque);
    const auto length = static_cast<int64_t>(self.file_.Length());
    if (whence & AVSEEK_SIZE) return length;
    int64_t target = offset;
    switch (whence & ~AVSEEK_FORCE) {
        case SEEK_SET: break;
        case SEEK_CUR: target += static_cast<int64_t>(self.position_); break;
        case SEEK_END: target += length; break;
        default: return AVERROR(EINVAL);
    }
    if (target < 0) {
        if (self.error_.empty()) self.error_ = "the muxer sought before the start of the file";
        return AVERROR(EINVAL);
    }
    self.position_ = static_cast<uint64_t>(target);
    return target;
}

std::string MuxerOutput::FailureText(int code) const { return Failed() ? ErrorText() : FfmpegErrorText(code); }

bool MuxerOutput::Close() {
    if (io_) {
        avio_flush(io_.get());
        io_.reset();
    }
    const bool closed = file_.Close();
    return closed && error_.empty();
}

}  // namespace tonewright
