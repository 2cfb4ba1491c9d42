#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "base/filecloser.h"

namespace tonewright {

// The sound data of an open file: a run of bytes from the file's current offset, read front
// to back in pieces. Reading ends at the end of the run or, when the run claims more than
// the file holds, at the end of the file.
class SoundData {
public:
    SoundData() = default;
    SoundData(std::FILE* file, uint64_t size) : file_(file), remaining_(size) {}

    // Reads up to `wanted` bytes and returns how many it read; 0 at the end, also after a
    // read that failed.
    size_t Read(uint8_t* bytes, size_t wanted);
    // Bytes read so far.
    uint64_t Consumed() const { return consumed_; }
    // The system's error number of a read that failed and so ended the data; 0 when the
    // data ended (or goes on) without one.
    int ReadError() const { return readError_; }

private:
    std::FILE* file_ = nullptr;
    uint64_t remaining_ = 0;
    uint64_t consumed_ = 0;
    int readError_ = 0;
};

// Sound data taken a byte at a time, read from the file in small pieces (bit-packed codecs).
class SoundDataBytes {
public:
    // The next byte, or -1 at the end of the data.
    int Next(SoundData& data) {
        if (index_ == fill_) {
            fill_ = data.Read(buffer_, sizeof buffer_);
            index_ = 0;
            if (fill_ == 0) return -1;
        }
        return buffer_[index_++];
    }

private:
    uint8_t buffer_[256];
    size_t index_ = 0;
    size_t fill_ = 0;
};

}  // namespace tonewright
