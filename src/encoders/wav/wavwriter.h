#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "encoders/outputfile.h"
#include "encoders/samplewriter.h"

namespace tonewright {

// Writes uncompressed PCM into a RIFF/WAVE file whose sizes are patched from the real file
// length on Close. Mono and stereo of 8 or 16 bits get the plain 44-byte header (a 16-byte
// "fmt " body); a wide form (more than two channels or more than 16 bits) gets
// WAVE_FORMAT_EXTENSIBLE with its channel mask and the PCM or IEEE float subformat, and
// floating point also a "fact" chunk with the length in sample frames.
// 16-, 24-bit and float samples are little-endian; 8-bit samples are unsigned with silence at 128.
class WavWriter {
public:
    WavWriter() = default;
    virtual ~WavWriter();

    // 1 when the file was created and the header written, 0 otherwise.
    int Open(const std::string& path, int stereo, int bitsPerSample, int sampleRate);
    // The form's rate, channels, mask and width (8, 16, 24 or kFloatBits).
    int Open(const std::string& path, const PcmFormat& format);
    // Interleave and append `count` samples per channel (right is ignored for mono).
    // 0 when the write failed or the file would outgrow what a WAV header can describe.
    int WriteSamples16(const int16_t* left, const int16_t* right, int count);
    int WriteSamples8(const uint8_t* left, const uint8_t* right, int count);
    // Appends `count` interleaved frames of the opened channel count, at the opened width.
    int WriteFrames(const float* frames, int count);
    // Patches the header and closes. 1 when everything written reached the file.
    int Close();
    // Why the last failure happened, for the row's status.
    std::string ErrorText() const;

private:
    template <typename Sample>
    int WriteSamples(const Sample* left, const Sample* right, int count);
    // False (and too large noted) when `bytes` more would pass what the header can describe.
    bool Fits(uint64_t bytes);

    OutputFile file_;
    int channels_ = 0;
    int bits_ = 0;
    uint32_t headerSize_ = 0;
    uint32_t factAt_ = 0;  // where the float form's frame count goes; 0 without it
    bool tooLarge_ = false;
    std::vector<uint8_t> interleaved_;
};

}  // namespace tonewright
