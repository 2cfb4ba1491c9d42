#include "encoders/outputfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tonewright {

namespace {

constexpr size_t kBufferSize = 256 * 1024;

}  // namespace

OutputFile::OutputFile() { buffer_.reserve(kBufferSize); }

OutputFile::~OutputFile() { Close(); }

bool OutputFile::Create(const std::string& path) {
    Close();
    failed_ = false;
    error_.clear();
    flushed_ = 0;
    fd_ = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
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

bool OutputFile::WriteAll(const uint8_t* data, size_t size) {
    size_t done = 0;
    while (!failed_ && done < size) {
        const ssize_t n = ::write(fd_, data + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) Fail(n < 0 ? errno : ENOSPC);
        else done += static_cast<size_t>(n);
    }
    flushed_ += done;
    return !failed_;
}

bool OutputFile::Flush() {
    const bool ok = WriteAll(buffer_.data(), buffer_.size());
    buffer_.clear();
    return ok;
}

bool OutputFile::Write(const void* data, size_t size) {
    if (fd_ < 0 || failed_) return false;
    const auto* bytes = static_cast<const uint8_t*>(data);
    if (buffer_.size() + size > kBufferSize && !Flush()) return false;
    if (size >= kBufferSize) return WriteAll(bytes, size);
    buffer_.insert(buffer_.end(), bytes, bytes + size);
    return true;
}

bool OutputFile::WriteAt(uint64_t offset, const void* data, size_t size) {
    if (fd_ < 0 || failed_ || !Flush()) return false;
    const ssize_t n = pwrite(fd_, data, size, static_cast<off_t>(offset));
    if (n != static_cast<ssize_t>(size)) Fail(n < 0 ? errno : ENOSPC);
    return !failed_;
}

bool OutputFile::Close() {
    if (fd_ < 0) return !failed_;
    Flush();
    if (::close(fd_) != 0) Fail(errno);
    fd_ = -1;
    return !failed_;
}

}  // namespace tonewright
