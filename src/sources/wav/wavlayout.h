#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

#include "sources/codecs/msadpcm.h"

namespace tonewright {

// Format tags of the fmt chunk that Tonewright decodes.
enum WavFormatTag : uint16_t {
    kWavTagPcm = 1,
    kWavTagMsAdpcm = 2,
    kWavTagFloat = 3,
    kWavTagAlaw = 6,
    kWavTagMulaw = 7,
    kWavTagImaAdpcm = 17,
    kWavTagGsm = 49,
    kWavTagExtensible = 0xFFFE,
};

// The fmt chunk as far as decoding needs it.
struct WavFormat {
    uint16_t tag = 0;
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    uint16_t samplesPerBlock = 0;                 // per channel; ADPCM and GSM only
    uint16_t subFormat = 0;                       // extensible only: the sub-format's tag, 0 when absent
    uint32_t channelMask = 0;                     // extensible only: the speakers stored, 0 when absent
    std::vector<MsAdpcmCoefficients> predictors;  // Microsoft ADPCM only
};

// Where the samples of a WAVE file are and how they are stored.
struct WavLayout {
    WavFormat format;
    uint32_t dataSize = 0;    // the data chunk's size field; 0 in streamed files
    uint64_t dataOffset = 0;  // file offset of the first sample byte
};

// Walks the RIFF/WAVE chunks from the start of the file to the data chunk and leaves the
// file at its first sample byte. False when the file is not RIFF/WAVE, ends before a data
// chunk, has its data chunk before the fmt chunk, or has an fmt chunk too short for its
// fields (the ADPCM and GSM extensions included).
bool ReadWavLayout(std::FILE* file, WavLayout& layout);

}  // namespace tonewright
