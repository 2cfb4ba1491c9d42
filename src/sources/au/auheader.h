#pragma once

#include <cstdint>
#include <cstdio>

namespace tonewright {

// The data size field's value for "unknown" (written by streaming writers).
constexpr uint32_t kAuUnknownDataSize = 0xFFFFFFFF;

// The header of a Sun/NeXT AU file, its fields in the file's byte order.
struct AuHeader {
    bool bigEndian = true;  // fields and samples
    uint32_t dataOffset = 0;
    uint32_t dataSize = 0;
    uint32_t encoding = 0;
    uint32_t sampleRate = 0;
    uint32_t channels = 0;
};

// Reads the header at the start of the file. The magic ".snd" (or ".sd" and a zero byte)
// selects big-endian, "dns." (or a zero byte and "ds.") little-endian. When the encoding
// field holds no encoding (28 or more), the header is taken to be shifted: the first of the
// byte offsets 13..32 that holds a value below 28 gives the encoding, followed by the sample
// rate and the channel count. False for another magic, a data offset below 24, a file
// shorter than the header, or a shifted header without an encoding.
bool ReadAuHeader(std::FILE* file, AuHeader& header);

}  // namespace tonewright
