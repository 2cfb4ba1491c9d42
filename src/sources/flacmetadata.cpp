#include "sources/flacmetadata.h"

#include <unistd.h>

#include <strings.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "base/bigendian.h"
#include "base/speakerlayout.h"
#include "sources/codecs/littleendian.h"

namespace tonewright {

namespace {

constexpr uint8_t kLastBlock = 0x80;
constexpr size_t kHeaderBytes = 4;  // last-block flag and type, then the body's 24-bit length

bool ReadAt(int descriptor, int64_t offset, uint8_t* bytes, size_t count) {
    return pread(descriptor, bytes, count, offset) == static_cast<ssize_t>(count);
}

constexpr char kMaskKey[] = "WAVEFORMATEXTENSIBLE_CHANNEL_MASK=";
constexpr size_t kMaskKeyBytes = sizeof kMaskKey - 1;
constexpr size_t kMaxMaskValueBytes = 24;

// The little-endian 32-bit length at `at`, moving `at` past it; false when it cannot be read.
bool ReadLength(int descriptor, int64_t& at, uint32_t& length) {
    uint8_t bytes[4];
    if (!ReadAt(descriptor, at, bytes, sizeof bytes)) return false;
    length = LoadLe32(bytes);
    at += 4;
    return true;
}

// The mask of one comment of `length` bytes at `at`; 0 when it is another comment.
uint32_t MaskOfComment(int descriptor, int64_t at, uint32_t length) {
    if (length <= kMaskKeyBytes || length > kMaskKeyBytes + kMaxMaskValueBytes) return 0;
    char text[kMaskKeyBytes + kMaxMaskValueBytes + 1] = {};
    if (!ReadAt(descriptor, at, reinterpret_cast<uint8_t*>(text), length) ||
        strncasecmp(text, kMaskKey, kMaskKeyBytes) != 0)
        return 0;
    char* end = nullptr;
    const unsigned long mask = std::strtoul(text + kMaskKeyBytes, &end, 0);
    return *end == '\0' && mask != 0 && mask <= kKnownSpeakers ? static_cast<uint32_t>(mask) : 0;
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

uint32_t FlacChannelMaskComment(int descriptor, int64_t blockAt) {
    uint8_t header[kHeaderBytes];
    if (!ReadAt(descriptor, blockAt, header, sizeof header)) return 0;
    const int64_t end = blockAt + static_cast<int64_t>(sizeof header + LoadBe24(header + 1));
    int64_t at = blockAt + static_cast<int64_t>(sizeof header);
    uint32_t vendorBytes = 0, count = 0;
    if (!ReadLength(descriptor, at, vendorBytes)) return 0;
    at += vendorBytes;
    if (at > end || !ReadLength(descriptor, at, count)) return 0;
    // Each comment takes at least its 4-byte length, so the block's size bounds the walk.
    for (uint32_t i = 0, length = 0; i < count && at < end && ReadLength(descriptor, at, length); ++i, at += length) {
        if (at + length > end) return 0;
        if (const uint32_t mask = MaskOfComment(descriptor, at, length)) return mask;
    }
    return 0;
}

}  // namespace tonewright
