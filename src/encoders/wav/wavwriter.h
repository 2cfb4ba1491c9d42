#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "encoders/outputfile.h"

namespace tonewright {

// Writes uncompressed PCM into a RIFF/WAVE file: a fixed 44-byte header (RIFF, a 16-byte
// "fmt " body, "data") whose two sizes are patched from the real file length on Close.
// 16-bit samples are signed little-endian; 8-bit samples are unsigned with silence at 128.
class WavWriter {
public:
    WavWriter() = default;
    virtual ~WavWriter();

    // 1 when the file was created and the header written, 0 otherwise.
    int Open(const std::string& path, int stereo, int bitsPerSample, int sampleRate);
    // Interleave and append `count` samples per channel (right is ignored for mono).
    // 0 when the write failed or the file would outgrow what a WAV header can describe.
    int WriteSamples16(const int16_t* left, const int16_t* right, int count);
    int WriteSamples8(const uint8_t* left, const uint8_t* right, int count);
    // Patches the header and closes. 1 when everything written reached the file.
    int Close();
    // Why the last failure happened, for the row's status.
    std::string ErrorText() const;

private:
    template <typename Sample>
    int WriteSamples(const Sample* left, const Sample* right, int count);

    OutputFile file_;
    int channels_ = 0;
    bool tooLarge_ = false;
    std::vector<uint8_t> interleaved_;
};

}  // namespace tonewright
