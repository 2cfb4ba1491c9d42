#pragma once

#include <cstdint>

namespace tonewright {

// Little-endian field loads from byte buffers (RIFF files and the codecs stored in them).

inline uint16_t LoadLe16(const uint8_t* bytes) { return static_cast<uint16_t>(bytes[0] | bytes[1] << 8); }

inline int16_t LoadLeS16(const uint8_t* bytes) { return static_cast<int16_t>(LoadLe16(bytes)); }

inline uint32_t LoadLe32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

inline uint64_t LoadLe64(const uint8_t* bytes) {
    return static_cast<uint64_t>(LoadLe32(bytes)) | static_cast<uint64_t>(LoadLe32(bytes + 4)) << 32;
}

}  // namespace tonewright
