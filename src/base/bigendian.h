#pragma once

#include <cstdint>

namespace tonewright {

// Big-endian field loads from byte buffers (IFF/AIFF, Sun/NeXT AU, MIDI, MPEG headers).

inline uint16_t LoadBe16(const uint8_t* bytes) { return static_cast<uint16_t>(bytes[0] << 8 | bytes[1]); }

inline int16_t LoadBeS16(const uint8_t* bytes) { return static_cast<int16_t>(LoadBe16(bytes)); }

inline uint32_t LoadBe24(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) << 16 | static_cast<uint32_t>(bytes[1]) << 8 | bytes[2];
}

inline uint32_t LoadBe32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) << 24 | static_cast<uint32_t>(bytes[1]) << 16 |
           static_cast<uint32_t>(bytes[2]) << 8 | static_cast<uint32_t>(bytes[3]);
}

inline uint64_t LoadBe64(const uint8_t* bytes) {
    return static_cast<uint64_t>(LoadBe32(bytes)) << 32 | static_cast<uint64_t>(LoadBe32(bytes + 4));
}

}  // namespace tonewright
