#include "sources/aiff/aifflayout.h"

#include <sys/types.h>

#include <cctype>
#include <cstring>

#include "base/bigendian.h"
#include "sources/codecs/extendedfloat.h"

namespace tonewright {

namespace {

constexpr uint32_t kAiffCommBytes = 18;
constexpr uint32_t kAifcCommBytes = 22;  // the AIFF fields, then the compression type
constexpr uint32_t kSsndHeaderBytes = 8;  // offset and block size

bool ReadExactly(std::FILE* file, uint8_t* bytes, size_t count) { return std::fread(bytes, 1, count, file) == count; }

// Steps over `count` bytes. The end may lie beyond the end of the file; the next read then
// fails.
bool Skip(std::FILE* file, uint64_t count) { return fseeko(file, static_cast<off_t>(count), SEEK_CUR) == 0; }

// Chunks of odd size are followed by a pad byte.
uint64_t Padded(uint32_t size) { return static_cast<uint64_t>(size) + (size & 1); }

bool ReadComm(std::FILE* file, uint32_t size, AiffLayout& layout) {
    const uint32_t fieldBytes = layout.aifc ? kAifcCommBytes : kAiffCommBytes;
    if (layout.aifc ? size < fieldBytes : size != fieldBytes) return false;
    uint8_t fields[kAifcCommBytes];
    if (!ReadExactly(file, fields, fieldBytes)) return false;
    layout.channels = LoadBe16(fields);
    layout.frameCount = LoadBe32(fields + 2);
    layout.sampleSize = LoadBe16(fields + 6);
    layout.sampleRate = TruncateExtendedFloat(fields + 8);
    if (layout.aifc) {
        for (int i = 0; i < 4; ++i)
            layout.compression[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(fields[18 + i])));
    }
    // The rest (the compression name of AIFF-C) is not needed.
    return Skip(file, Padded(size) - fieldBytes);
}

bool ReadSsnd(std::FILE* file, uint32_t size, AiffLayout& layout) {
    uint8_t header[kSsndHeaderBytes];
    if (size < kSsndHeaderBytes || !ReadExactly(file, header, sizeof header)) return false;
    const uint32_t offset = LoadBe32(header);
    if (offset > size - kSsndHeaderBytes) return false;
    const off_t here = ftello(file);
    if (here < 0) return false;
    layout.dataSize = size - kSsndHeaderBytes - offset;
    layout.dataStart = static_cast<uint64_t>(here) + offset;
    return true;
}

}  // namespace

bool ReadAiffLayout(std::FILE* file, AiffLayout& layout) {
    layout = AiffLayout{};
    std::rewind(file);
    uint8_t formHeader[12];
    if (!ReadExactly(file, formHeader, sizeof formHeader) || std::memcmp(formHeader, "FORM", 4) != 0) return false;
    if (std::memcmp(formHeader + 8, "AIFC", 4) == 0) {
        layout.aifc = true;
    } else if (std::memcmp(formHeader + 8, "AIFF", 4) != 0) {
        return false;
    }
    bool commSeen = false, ssndSeen = false;
    for (;;) {
        uint8_t chunkHeader[8];
        if (!ReadExactly(file, chunkHeader, sizeof chunkHeader)) return false;
        const uint32_t size = LoadBe32(chunkHeader + 4);
        if (std::memcmp(chunkHeader, "COMM", 4) == 0) {
            if (!ReadComm(file, size, layout)) return false;
            commSeen = true;
            if (ssndSeen) return true;
        } else if (std::memcmp(chunkHeader, "SSND", 4) == 0) {
            if (!ReadSsnd(file, size, layout)) return false;
            ssndSeen = true;
            if (commSeen) return true;
            // The sound data comes before the format: found again later through dataStart.
            if (!Skip(file, Padded(size) - kSsndHeaderBytes)) return false;
        } else if (!Skip(file, Padded(size))) {
            return false;
        }
    }
}

}  // namespace tonewright
