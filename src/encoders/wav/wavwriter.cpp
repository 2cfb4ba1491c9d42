#include "encoders/wav/wavwriter.h"

#include <cstring>

namespace tonewright {

namespace {

constexpr uint32_t kHeaderSize = 44;
// The RIFF size field (file length - 8) is 32 bits wide, so sample data may reach this
// many bytes at most (one less than it could, for the pad byte an odd length needs).
constexpr uint64_t kMaxDataBytes = 0xFFFFFFFFull - (kHeaderSize - 8) - 1;

void PutLe16(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

void PutLe32(uint8_t* p, uint32_t v) {
    PutLe16(p, v);
    PutLe16(p + 2, v >> 16);
}

void PutSample(uint8_t* p, uint8_t sample) { *p = sample; }
void PutSample(uint8_t* p, int16_t sample) { PutLe16(p, static_cast<uint16_t>(sample)); }

}  // namespace

WavWriter::~WavWriter() { Close(); }

int WavWriter::Open(const std::string& path, int stereo, int bitsPerSample, int sampleRate) {
    channels_ = stereo ? 2 : 1;
    tooLarge_ = false;
    const uint32_t bits = static_cast<uint32_t>(bitsPerSample);
    const uint32_t rate = static_cast<uint32_t>(sampleRate);
    uint8_t header[kHeaderSize];
    std::memcpy(header, "RIFF", 4);
    PutLe32(header + 4, 4);  // placeholder until Close
    std::memcpy(header + 8, "WAVEfmt ", 8);
    PutLe32(header + 16, 16);
    PutLe16(header + 20, 1);  // PCM
    PutLe16(header + 22, static_cast<uint32_t>(channels_));
    PutLe32(header + 24, rate);
    PutLe32(header + 28, static_cast<uint32_t>(channels_) * bits * rate / 8);
    PutLe16(header + 32, static_cast<uint32_t>(channels_) * bits / 8);
    PutLe16(header + 34, bits);
    std::memcpy(header + 36, "data", 4);
    PutLe32(header + 40, 4);  // placeholder until Close
    if (!file_.Create(path)) return 0;
    return file_.Write(header, sizeof header) ? 1 : 0;
}

template <typename Sample>
int WavWriter::WriteSamples(const Sample* left, const Sample* right, int count) {
    if (!file_.IsOpen()) return 0;
    if (count <= 0) return 1;
    const size_t bytes = static_cast<size_t>(count) * channels_ * sizeof(Sample);
    if (file_.Length() - kHeaderSize + bytes > kMaxDataBytes) {
        tooLarge_ = true;
        return 0;
    }
    if (channels_ == 1 && sizeof(Sample) == 1) return file_.Write(left, bytes) ? 1 : 0;
    interleaved_.resize(bytes);
    uint8_t* p = interleaved_.data();
    for (int i = 0; i < count; ++i) {
        PutSample(p, left[i]);
        p += sizeof(Sample);
        if (channels_ == 2) {
            PutSample(p, right[i]);
            p += sizeof(Sample);
        }
    }
    return file_.Write(interleaved_.data(), bytes) ? 1 : 0;
}

int WavWriter::WriteSamples16(const int16_t* left, const int16_t* right, int count) {
    return WriteSamples(left, right, count);
}

int WavWriter::WriteSamples8(const uint8_t* left, const uint8_t* right, int count) {
    return WriteSamples(left, right, count);
}

int WavWriter::Close() {
    if (!file_.IsOpen()) return file_.Failed() || tooLarge_ ? 0 : 1;
    const uint64_t dataBytes = file_.Length() - kHeaderSize;
    // A RIFF chunk of odd length is followed by a pad byte, which the RIFF size counts and
    // the data size does not (8-bit mono with an odd number of samples).
    if (dataBytes % 2 != 0) {
        const uint8_t pad = 0;
        file_.Write(&pad, 1);
    }
    uint8_t size[4];
    PutLe32(size, static_cast<uint32_t>(file_.Length() - 8));
    file_.WriteAt(4, size, 4);
    PutLe32(size, static_cast<uint32_t>(dataBytes));
    file_.WriteAt(40, size, 4);
    return file_.Close() && !tooLarge_ ? 1 : 0;
}

std::string WavWriter::ErrorText() const {
    if (tooLarge_) return "the WAV file would grow beyond 4 GiB";
    return file_.ErrorText();
}

}  // namespace tonewright
