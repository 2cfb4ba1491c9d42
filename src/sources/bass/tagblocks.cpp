#include "sources/bass/tagblocks.h"

#include <cstring>

#include "sources/bass/filebytes.h"
#include "sources/codecs/littleendian.h"

namespace tonewright {

namespace {

constexpr size_t kApeFooterBytes = 32;
constexpr uint32_t kApeHasHeader = 0x80000000u;
constexpr uint8_t kId3v2HasFooter = 0x10;

bool ReadAt(std::FILE* file, uint64_t offset, void* buffer, size_t count) {
    return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0 && std::fread(buffer, 1, count, file) == count;
}

// The APEv2 tag whose footer ends at `end`; 0 when there is none or it does not fit
// between `start` and `end`.
uint64_t ApeTagBytes(std::FILE* file, uint64_t start, uint64_t end) {
    uint8_t footer[kApeFooterBytes];
    if (end < start + kApeFooterBytes || !ReadAt(file, end - kApeFooterBytes, footer, sizeof footer)) return 0;
    if (std::memcmp(footer, "APETAGEX", 8) != 0) return 0;
    // The size counts the items and the footer; a header, when flagged, comes on top.
    const uint64_t size = LoadLe32(footer + 12);
    const uint64_t total = size + ((LoadLe32(footer + 20) & kApeHasHeader) ? kApeFooterBytes : 0);
    return size >= kApeFooterBytes && total <= end - start ? total : 0;
}

}  // namespace

uint64_t FileTagLayout::AudioEnd() const {
    const uint64_t trailing = (hasId3v1 ? kId3v1Bytes : 0) + apeBytes;
    return fileSize >= id3v2Bytes + trailing ? fileSize - trailing : id3v2Bytes;
}

uint64_t Id3v2TagSize(const uint8_t* h) {
    if (std::memcmp(h, "ID3", 3) != 0 || h[3] == 0xFF || h[4] == 0xFF) return 0;
    // The body size is "synchsafe": 7 bits from each of four bytes, most significant first.
    uint64_t body = 0;
    for (int i = 6; i < 10; ++i) {
        if (h[i] & 0x80) return 0;
        body = body << 7 | h[i];
    }
    const bool footer = h[3] >= 4 && (h[5] & kId3v2HasFooter);
    return kId3v2HeaderBytes + body + (footer ? kId3v2HeaderBytes : 0);
}

bool ReadFileTagLayout(const std::string& path, FileTagLayout& layout) {
    layout = {};
    const UniqueFile file = OpenForReading(path);
    if (!file || fseeko(file.get(), 0, SEEK_END) != 0) return false;
    const off_t size = ftello(file.get());
    if (size < 0) return false;
    layout.fileSize = static_cast<uint64_t>(size);

    uint8_t header[kId3v2HeaderBytes];
    if (layout.fileSize >= sizeof header && ReadAt(file.get(), 0, header, sizeof header)) {
        const uint64_t tag = Id3v2TagSize(header);
        if (tag <= layout.fileSize) layout.id3v2Bytes = tag;
    }
    uint64_t end = layout.fileSize;
    char marker[3];
    if (end >= layout.id3v2Bytes + kId3v1Bytes && ReadAt(file.get(), end - kId3v1Bytes, marker, sizeof marker) &&
        std::memcmp(marker, "TAG", 3) == 0) {
        layout.hasId3v1 = true;
        end -= kId3v1Bytes;
    }
    layout.apeBytes = ApeTagBytes(file.get(), layout.id3v2Bytes, end);
    return true;
}

}  // namespace tonewright
