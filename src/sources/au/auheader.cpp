#include "sources/au/auheader.h"

#include <cstring>

#include "base/bigendian.h"
#include "sources/codecs/littleendian.h"

namespace tonewright {

namespace {

constexpr size_t kHeaderBytes = 24;
// Enough for the latest shifted header: an encoding at byte 32, then rate and channels.
constexpr size_t kProbeBytes = 120;
constexpr uint32_t kFirstNonEncoding = 28;
constexpr size_t kFirstShiftedOffset = 13;
constexpr size_t kLastShiftedOffset = 32;

bool MagicOrder(const uint8_t* magic, bool& bigEndian) {
    if (std::memcmp(magic, ".snd", 4) == 0 || std::memcmp(magic, ".sd\0", 4) == 0) {
        bigEndian = true;
        return true;
    }
    if (std::memcmp(magic, "dns.", 4) == 0 || std::memcmp(magic, "\0ds.", 4) == 0) {
        bigEndian = false;
        return true;
    }
    return false;
}

}  // namespace

bool ReadAuHeader(std::FILE* file, AuHeader& header) {
    header = AuHeader{};
    std::rewind(file);
    uint8_t bytes[kProbeBytes];
    const size_t got = std::fread(bytes, 1, sizeof bytes, file);
    if (got < kHeaderBytes || !MagicOrder(bytes, header.bigEndian)) return false;
    auto field = [&](size_t offset) { return header.bigEndian ? LoadBe32(bytes + offset) : LoadLe32(bytes + offset); };
    header.dataOffset = field(4);
    header.dataSize = field(8);
    header.encoding = field(12);
    header.sampleRate = field(16);
    header.channels = field(20);
    if (header.dataOffset < kHeaderBytes) return false;
    if (header.encoding < kFirstNonEncoding) return true;
    for (size_t offset = kFirstShiftedOffset; offset <= kLastShiftedOffset && offset + 12 <= got; ++offset) {
        if (field(offset) < kFirstNonEncoding) {
            header.encoding = field(offset);
            header.sampleRate = field(offset + 4);
            header.channels = field(offset + 8);
            return true;
        }
    }
    return false;
}

}  // namespace tonewright
