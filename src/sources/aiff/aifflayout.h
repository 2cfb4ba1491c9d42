#pragma once

#include <cstdint>
#include <cstdio>

namespace tonewright {

// What the COMM and SSND chunks of an AIFF or AIFF-C file say.
struct AiffLayout {
    bool aifc = false;
    uint16_t channels = 0;
    uint32_t frameCount = 0;  // the COMM field as stored
    uint16_t sampleSize = 0;  // bits
    int64_t sampleRate = 0;   // the 80-bit rate truncated to an integer
    // The compression type upper-cased; "NONE" for plain AIFF, which has none.
    char compression[4] = {'N', 'O', 'N', 'E'};
    uint64_t dataStart = 0;  // file offset of the first sample byte
    uint32_t dataSize = 0;   // sound data bytes as the SSND chunk declares them
};

// Walks the IFF chunks of an AIFF or AIFF-C file until both COMM and SSND are seen, in
// either order. False when the file is neither, ends first, or has a COMM chunk of the
// wrong size (AIFF: exactly 18 bytes; AIFF-C: at least 22) or an SSND chunk too small for
// its header and declared offset. Chunks of any size are stepped over, never buffered.
bool ReadAiffLayout(std::FILE* file, AiffLayout& layout);

}  // namespace tonewright
