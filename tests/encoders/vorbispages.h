#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace testutil {

// One Ogg page, read by the tests themselves.
struct OggPage {
    size_t offset = 0;
    size_t length = 0;  // header and body
    uint8_t flags = 0;  // 0x01 continued packet, 0x02 first page, 0x04 last page
    int64_t granule = 0;
    uint32_t serial = 0;
    std::string body;
    bool endsPacket = false;  // the last lacing value closes a packet
};

// The pages of an Ogg file, in order; stops at the first byte that does not start a page.
std::vector<OggPage> ReadOggPages(const std::vector<uint8_t>& bytes);

}  // namespace testutil
