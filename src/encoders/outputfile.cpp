#include "encoders/outputfile.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "base/outputtarget.h"

namespace tonewright {

namespace {

constexpr size_t kBufferSize = 256 * 1024;

}  // namespace

OutputFile::OutputFile() : bufferLimit_(kBufferSize) { buffer_.reserve(kBufferSize); }

OutputFile::~OutputFile() { Close(); }

bool OutputFile::Create(const std::string& path) {
    Close();
    failed_ = false;
    error_.clear();
    flushed_ = bytesOut_ = 0;
    fault_ = TakeOutputFault();
    bufferLimit_ = fault_.bufferSize > 0 ? std::min(fault_.bufferSize, kBufferSize) : kBufferSize;
    if (fault_.failOpen) {
        Fail(EACCES);
        return false;
    }
    fd_ = OpenOutputFile(path, true);
    if (fd_ < 0) {
        Fail(errno);
        return false;
    }
    return true;
}

void OutputFile::Fail(int errorNumber) {
    if (!failed_) error_ = std::strerror(errorNumber);
    failed_ = true;
}

// One pwrite, cut short or refused as the planned fault says.
ssize_t OutputFile::PutBytes(uint64_t offset, const uint8_t* data, size_t size) {
    if (fault_.writeLimit > 0) size = std::min(size, fault_.writeLimit);
    if (fault_.failAfterBytes >= 0) {
        const uint64_t limit = static_cast<uint64_t>(fault_.failAfterBytes);
        if (bytesOut_ >= limit) {
            errno = ENOSPC;
            return -1;
        }
        size = static_cast<size_t>(std::min<uint64_t>(size, limit - bytesOut_));
    }
    const ssize_t n = pwrite(fd_, data, size, static_cast<off_t>(offset));
    if (n > 0) bytesOut_ += static_cast<uint64_t>(n);
    return n;
}

// Positioned writes throughout: appends and patches never depend on the descriptor's
// own position, so a patch past the end leaves later appends in their place.
bool OutputFile::WriteOut(uint64_t offset, const uint8_t* data, size_t size) {
    size_t done = 0;
    while (!failed_ && done < size) {
        const ssize_t n = PutBytes(offset + done, data + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) Fail(n < 0 ? errno : ENOSPC);
        else done += static_cast<size_t>(n);
    }
    return !failed_;
}

bool OutputFile::Flush() {
    const bool ok = WriteOut(flushed_, buffer_.data(), buffer_.size());
    flushed_ += buffer_.size();
    buffer_.clear();
    return ok;
}

bool OutputFile::Write(const void* data, size_t size) {
    if (fd_ < 0 || failed_) return false;
    const auto* bytes = static_cast<const uint8_t*>(data);
    if (buffer_.size() + size > bufferLimit_ && !Flush()) return false;
    if (size >= bufferLimit_) {
        const bool ok = WriteOut(flushed_, bytes, size);
        flushed_ += size;
        return ok;
    }
    buffer_.insert(buffer_.end(), bytes, bytes + size);
    return true;
}

bool OutputFile::WriteAt(uint64_t offset, const void* data, size_t size) {
    if (fd_ < 0 || failed_ || !Flush()) return false;
    const bool ok = WriteOut(offset, static_cast<const uint8_t*>(data), size);
    flushed_ = std::max<uint64_t>(flushed_, offset + size);
    return ok;
}

bool OutputFile::Close() {
    if (fd_ < 0) return !failed_;
    Flush();
    if (fault_.failClose) Fail(EIO);
    if (::close(fd_) != 0) Fail(errno);
    fd_ = -1;
    return !failed_;
}

}  // namespace tonewright
