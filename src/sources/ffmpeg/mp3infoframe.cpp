#include "sources/ffmpeg/mp3infoframe.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "base/bigendian.h"
#include "base/filecloser.h"

namespace tonewright {

namespace {

constexpr int kDecoderDelay = 529;
constexpr size_t kId3v2HeaderBytes = 10;
// Frame header, the longest side information, the Xing fields and the LAME extension up
// to its delay field.
constexpr size_t kInfoFrameBytes = 4 + 32 + 120 + 24;

// Moves the file past every ID3v2 tag at its start.
bool SkipId3v2Tags(std::FILE* file) {
    for (;;) {
        const long start = std::ftell(file);
        uint8_t header[kId3v2HeaderBytes];
        if (start < 0 || std::fread(header, 1, sizeof header, file) != sizeof header) return false;
        const bool isTag = std::memcmp(header, "ID3", 3) == 0 && header[3] != 0xFF && header[4] != 0xFF &&
                           (header[6] | header[7] | header[8] | header[9]) < 0x80;
        if (!isTag) return std::fseek(file, start, SEEK_SET) == 0;
        // The size is "synchsafe": seven bits per byte; a footer repeats the header.
        const long size = long{header[6]} << 21 | long{header[7]} << 14 | long{header[8]} << 7 | header[9];
        const long footer = (header[5] & 0x10) ? static_cast<long>(kId3v2HeaderBytes) : 0;
        if (std::fseek(file, size + footer, SEEK_CUR) != 0) return false;
    }
}

// Parses the bytes of a first frame; see the Xing and LAME header layouts.
bool ParseInfoFrame(const uint8_t* frame, size_t size, Mp3InfoFrame& info) {
    if (size < 4) return false;
    const uint32_t header = LoadBe32(frame);
    const uint32_t version = header >> 19 & 3;  // 0 MPEG 2.5, 2 MPEG 2, 3 MPEG 1
    const bool layer3 = (header >> 17 & 3) == 1;
    if ((header & 0xFFE00000u) != 0xFFE00000u || version == 1 || !layer3 || (header >> 12 & 0xF) == 0xF ||
        (header >> 10 & 3) == 3)
        return false;
    const bool mpeg1 = version == 3;
    const bool mono = (header >> 6 & 3) == 3;
    const size_t sideInfo = mpeg1 ? (mono ? 17 : 32) : (mono ? 9 : 17);
    size_t at = 4 + sideInfo;
    if (size < at + 8 || (std::memcmp(frame + at, "Xing", 4) != 0 && std::memcmp(frame + at, "Info", 4) != 0))
        return false;
    const uint32_t flags = LoadBe32(frame + at + 4);
    at += 8;
    if (!(flags & 1)) return false;
    info.frames = LoadBe32(frame + at);
    at += 4;
    if (flags & 2) at += 4;    // byte count
    if (flags & 4) at += 100;  // seek table
    if (flags & 8) at += 4;    // quality
    // Encoder version (9 bytes), revision, low-pass, replay gain (8), flags and bit rate
    // come before the 12-bit delay and padding.
    constexpr size_t kDelayField = 21;
    if (size < at + kDelayField + 3) return false;
    const uint8_t* lame = frame + at;
    if (std::memcmp(lame, "LAME", 4) != 0 && std::memcmp(lame, "Lavf", 4) != 0 && std::memcmp(lame, "Lavc", 4) != 0)
        return false;
    const uint8_t* delays = lame + kDelayField;
    info.encoderDelay = delays[0] << 4 | delays[1] >> 4;
    info.padding = (delays[1] & 0x0F) << 8 | delays[2];
    info.samplesPerFrame = mpeg1 ? 1152 : 576;
    return info.frames > 0;
}

}  // namespace

bool ReadMp3InfoFrame(const std::string& path, Mp3InfoFrame& info) {
    UniqueFile file(std::fopen(path.c_str(), "rb"));
    if (!file || !SkipId3v2Tags(file.get())) return false;
    uint8_t frame[kInfoFrameBytes];
    const size_t got = std::fread(frame, 1, sizeof frame, file.get());
    Mp3InfoFrame parsed;
    if (!ParseInfoFrame(frame, got, parsed)) return false;
    info = parsed;
    return true;
}

int64_t DecodedMp3Frames(const Mp3InfoFrame& info) {
    const int64_t decoded = info.frames * info.samplesPerFrame;
    const int64_t end = std::min(decoded, decoded - info.padding + kDecoderDelay);
    return std::max<int64_t>(0, end - (info.encoderDelay + kDecoderDelay));
}

}  // namespace tonewright
