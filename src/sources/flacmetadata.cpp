#include "sources/flacmetadata.h"

#include <unistd.h>

#include <cstring>

#include "base/bigendian.h"

namespace tonewright {

namespace {

constexpr uint8_t kLastBlock = 0x80;
constexpr size_t kHeaderBytes = 4;  // last-block flag and type, then the body's 24-bit length

bool ReadAt(int descriptor, int64_t offset, uint8_t* bytes, size_t count) {
    return pread(descriptor, bytes, count, offset) == static_cast<ssize_t>(count);
}

}  // namespace

int64_t WalkFlacMetadata(int descriptor, int64_t start, const std::function<void(int64_t, uint8_t)>& onBlock) {
    uint8_t header[kHeaderBytes];
    if (!ReadAt(descriptor, start, header, sizeof header) || std::memcmp(header, "fLaC", 4) != 0) return -1;
    int64_t at = start + 4;
    for (int block = 0; block < kMaxFlacBlocks && ReadAt(descriptor, at, header, sizeof header); ++block) {
        if (onBlock) onBlock(at, static_cast<uint8_t>(header[0] & ~kLastBlock));
        at += static_cast<int64_t>(sizeof header + LoadBe24(header + 1));
        if (header[0] & kLastBlock) return at;
    }
    return -1;
}

}  // namespace tonewright
