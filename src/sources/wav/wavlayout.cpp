#include "sources/wav/wavlayout.h"

#include <sys/types.h>

#include <cstring>

#include "sources/codecs/littleendian.h"

namespace tonewright {

namespace {

// Little-endian fields of one chunk's body, never read past the chunk's declared size.
class ChunkBody {
public:
    ChunkBody(std::FILE* file, uint32_t size) : file_(file), remaining_(size) {}

    bool Take16(uint16_t& value) {
        uint8_t bytes[2];
        if (!Take(bytes, sizeof bytes)) return false;
        value = LoadLe16(bytes);
        return true;
    }

    bool Take32(uint32_t& value) {
        uint8_t bytes[4];
        if (!Take(bytes, sizeof bytes)) return false;
        value = LoadLe32(bytes);
        return true;
    }

    // Moves the file to the end of the chunk. The end may lie beyond the end of the file;
    // the next read then fails.
    bool SkipRest() { return fseeko(file_, static_cast<off_t>(remaining_), SEEK_CUR) == 0; }

private:
    bool Take(uint8_t* bytes, uint32_t count) {
        if (count > remaining_ || std::fread(bytes, 1, count, file_) != count) return false;
        remaining_ -= count;
        return true;
    }

    std::FILE* file_;
    uint32_t remaining_;
};

// Microsoft ADPCM extension: extra size (at least 4), samples per block, predictor count
// (at least 1) and that many coefficient pairs.
bool ReadMsAdpcmExtension(ChunkBody& body, WavFormat& format) {
    uint16_t extraSize = 0, predictorCount = 0;
    if (!body.Take16(extraSize) || extraSize < 4 || !body.Take16(format.samplesPerBlock) ||
        !body.Take16(predictorCount) || predictorCount == 0)
        return false;
    format.predictors.resize(predictorCount);
    for (MsAdpcmCoefficients& predictor : format.predictors) {
        uint16_t first = 0, second = 0;
        if (!body.Take16(first) || !body.Take16(second)) return false;
        predictor.first = static_cast<int16_t>(first);
        predictor.second = static_cast<int16_t>(second);
    }
    return true;
}

// IMA ADPCM and GSM extension: extra size (at least 2) and samples per block.
bool ReadSamplesPerBlockExtension(ChunkBody& body, WavFormat& format) {
    uint16_t extraSize = 0;
    return body.Take16(extraSize) && extraSize >= 2 && body.Take16(format.samplesPerBlock);
}

// Extensible extension: extra size (at least 22), valid bits, channel mask and the
// sub-format GUID, whose first two bytes are the format tag of the samples (1 integer PCM,
// 3 IEEE float). A file without a readable extension keeps sub-format 0 and mask 0.
void ReadExtensibleSubFormat(ChunkBody& body, WavFormat& format) {
    uint16_t extraSize = 0, validBits = 0, tag = 0;
    uint32_t channelMask = 0;
    if (body.Take16(extraSize) && extraSize >= 22 && body.Take16(validBits) && body.Take32(channelMask) &&
        body.Take16(tag)) {
        format.subFormat = tag;
        format.channelMask = channelMask;
    }
}

bool ReadFormat(ChunkBody& body, WavFormat& format) {
    format = WavFormat{};
    uint32_t averageByteRate = 0;
    if (!body.Take16(format.tag) || !body.Take16(format.channels) || !body.Take32(format.sampleRate) ||
        !body.Take32(averageByteRate) || !body.Take16(format.blockAlign) || !body.Take16(format.bitsPerSample))
        return false;
    switch (format.tag) {
        case kWavTagMsAdpcm:
            return ReadMsAdpcmExtension(body, format);
        case kWavTagImaAdpcm:
        case kWavTagGsm:
            return ReadSamplesPerBlockExtension(body, format);
        case kWavTagExtensible:
            ReadExtensibleSubFormat(body, format);
            return true;
        default:
            return true;
    }
}

bool IsAsciiLetter(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Chunk identifiers start with a letter. Writers pad odd-sized chunks with a byte (and some
// write more filler); everything up to the next letter is stepped over. Bounded by the end
// of the file.
bool SkipToNextChunkId(std::FILE* file) {
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        if (IsAsciiLetter(c)) return std::ungetc(c, file) != EOF;
    }
    return false;
}

bool ReadExactly(std::FILE* file, uint8_t* bytes, size_t count) { return std::fread(bytes, 1, count, file) == count; }

}  // namespace

bool ReadWavLayout(std::FILE* file, WavLayout& layout) {
    std::rewind(file);
    uint8_t riffHeader[12];
    if (!ReadExactly(file, riffHeader, sizeof riffHeader) || std::memcmp(riffHeader, "RIFF", 4) != 0 ||
        std::memcmp(riffHeader + 8, "WAVE", 4) != 0)
        return false;
    bool formatSeen = false;
    for (;;) {
        uint8_t chunkHeader[8];
        if (!ReadExactly(file, chunkHeader, sizeof chunkHeader)) return false;
        const uint32_t size = LoadLe32(chunkHeader + 4);
        if (std::memcmp(chunkHeader, "data", 4) == 0) {
            const off_t offset = ftello(file);
            if (!formatSeen || offset < 0) return false;
            layout.dataSize = size;
            layout.dataOffset = static_cast<uint64_t>(offset);
            return true;
        }
        ChunkBody body(file, size);
        if (std::memcmp(chunkHeader, "fmt ", 4) == 0) {
            if (!ReadFormat(body, layout.format)) return false;
            formatSeen = true;
        }
        if (!body.SkipRest() || !SkipToNextChunkId(file)) return false;
    }
}

}  // namespace tonewright
