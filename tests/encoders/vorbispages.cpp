#include "encoders/vorbispages.h"

#include <cstring>

namespace testutil {

std::vector<OggPage> ReadOggPages(const std::vector<uint8_t>& bytes) {
    std::vector<OggPage> pages;
    size_t offset = 0;
    while (offset + 27 <= bytes.size() && std::memcmp(&bytes[offset], "OggS", 4) == 0) {
        const uint8_t* h = &bytes[offset];
        OggPage page;
        page.offset = offset;
        page.flags = h[5];
        for (int i = 7; i >= 0; --i) page.granule = page.granule << 8 | h[6 + i];
        page.serial = h[14] | h[15] << 8 | h[16] << 16 | static_cast<uint32_t>(h[17]) << 24;
        const size_t segments = h[26];
        if (offset + 27 + segments > bytes.size()) break;
        size_t bodySize = 0;
        for (size_t i = 0; i < segments; ++i) bodySize += h[27 + i];
        page.endsPacket = segments > 0 && h[27 + segments - 1] < 255;
        page.length = 27 + segments + bodySize;
        if (offset + page.length > bytes.size()) break;
        page.body.assign(reinterpret_cast<const char*>(h + 27 + segments), bodySize);
        pages.push_back(page);
        offset += page.length;
    }
    return pages;
}

}  // namespace testutil
