#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "encoders/outputfault.h"

namespace tonewright {

// A file being written by an encoder, with its own write buffer. Every failed write is
// remembered (a write that takes fewer bytes than asked is continued until it has taken
// all or fails): once a write has failed, every later call reports failure, and
// ErrorText() says why. Encoders use it so that a full disk or a vanished drive fails the
// conversion instead of leaving a truncated file reported as converted.
class OutputFile {
public:
    OutputFile();
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates the file, replacing an existing one; a conversion's open target (see
    // outputtarget.h) is written through its own descriptor. False when it cannot be created.
    bool Create(const std::string& path);
    bool IsOpen() const { return fd_ >= 0; }
    // Appends at Length().
    bool Write(const void* data, size_t size);
    // Bytes written so far (buffered ones included): the file's length once flushed.
    uint64_t Length() const { return flushed_ + buffer_.size(); }
    // Writes at `offset`: over bytes already written (headers patched at the end), or past
    // them, which lengthens the file.
    bool WriteAt(uint64_t offset, const void* data, size_t size);
    // Flushes and closes; false when anything written was lost.
    bool Close();
    bool Failed() const { return failed_; }
    const std::string& ErrorText() const { return error_; }

private:
    bool Flush();
    bool WriteOut(uint64_t offset, const uint8_t* data, size_t size);
    ssize_t PutBytes(uint64_t offset, const uint8_t* data, size_t size);
    void Fail(int errorNumber);

    int fd_ = -1;
    uint64_t flushed_ = 0;
    std::vector<uint8_t> buffer_;
    bool failed_ = false;
    std::string error_;
    OutputFault fault_;
    size_t bufferLimit_;
    uint64_t bytesOut_ = 0;  // every byte the disk took, rewrites included
};

}  // namespace tonewright
