#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "encoders/outputfile.h"

struct AVIOContext;

namespace tonewright {

// The byte stream an FFmpeg muxer writes through: an AVIOContext whose writes and seeks go
// to an OutputFile, so a muxer's bytes, the headers it patches at the end included, are
// checked like every other writer's. The muxer context must stop using Context() before
// Close.
class MuxerOutput {
public:
    MuxerOutput() = default;
    ~MuxerOutput();
    MuxerOutput(const MuxerOutput&) = delete;
    MuxerOutput& operator=(const MuxerOutput&) = delete;

    // Creates the file and the byte stream; false with ErrorText() set when either fails.
    bool Create(const std::string& path);
    AVIOContext* Context() const { return io_.get(); }
    // Writes out what FFmpeg still buffers and closes the file; false when any byte was lost.
    bool Close();
    bool Failed() const { return file_.Failed() || !error_.empty(); }
    const std::string& ErrorText() const { return file_.Failed() ? file_.ErrorText() : error_; }
    // The reason to show for a muxer call that failed with FFmpeg's `code`: a failed write
    // reaches FFmpeg as a bare I/O error, so the file's own reason says more when it has one.
    std::string FailureText(int code) const;

private:
    struct ContextFree {
        void operator()(AVIOContext* io) const;
    };
    static int WritePacket(void* opaque, uint8_t* data, int size);
    static int64_t Seek(void* opaque, int64_t offset, int whence);

    OutputFile file_;
    std::unique_ptr<AVIOContext, ContextFree> io_;
    uint64_t position_ = 0;
    std::string error_;
};

}  // namespace tonewright
