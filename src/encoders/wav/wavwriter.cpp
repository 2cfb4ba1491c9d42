#include "encoders/wav/wavwriter.h"

#include <cstring>
#include <iterator>

namespace tonewright {

namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatFloat = 3;
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr uint32_t kPlainFmtBytes = 16;
constexpr uint32_t kExtensibleFmtBytes = 40;
constexpr uint16_t kExtensionBytes = 22;
// The subformat GUID after its leading format code: 0000xxxx-0000-0010-8000-00AA00389B71.
constexpr uint8_t kSubformatTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                       0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

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

// Appends a chunk's name and size field.
void AddChunk(std::vector<uint8_t>& header, const char* name, uint32_t size) {
    const size_t at = header.size();
    header.resize(at + 8);
    std::memcpy(header.data() + at, name, 4);
    PutLe32(header.data() + at + 4, size);
}

void AddLe(std::vector<uint8_t>& header, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) header.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// One frame sample at the width: little-endian integer of 2 or 3 bytes, or IEEE float.
void PutFrameSample(uint8_t* p, float sample, int bits) {
    if (bits == kFloatBits) {
        uint32_t word;
        std::memcpy(&word, &sample, sizeof word);
        PutLe32(p, word);
        return;
    }
    const uint32_t value = static_cast<uint32_t>(ToInteger(sample, bits));
    for (int i = 0; i < bits / 8; ++i) p[i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

WavWriter::~WavWriter() { Close(); }

int WavWriter::Open(const std::string& path, int stereo, int bitsPerSample, int sampleRate) {
    return Open(path, PcmFormat{sampleRate, stereo ? 2 : 1, bitsPerSample});
}

int WavWriter::Open(const std::string& path, const PcmFormat& format) {
    channels_ = format.channels;
    bits_ = format.bits;
    tooLarge_ = false;
    const bool extensible = format.IsWide();
    const bool isFloat = format.bits == kFloatBits;
    const uint32_t blockAlign = static_cast<uint32_t>(channels_ * bits_ / 8);
    std::vector<uint8_t> header;
    AddChunk(header, "RIFF", 4);  // placeholder until Close
    header.insert(header.end(), {'W', 'A', 'V', 'E'});
    AddChunk(header, "fmt ", extensible ? kExtensibleFmtBytes : kPlainFmtBytes);
    AddLe(header, extensible ? kFormatExtensible : kFormatPcm, 2);
    AddLe(header, static_cast<uint32_t>(channels_), 2);
    AddLe(header, static_cast<uint32_t>(format.rate), 4);
    AddLe(header, blockAlign * static_cast<uint32_t>(format.rate), 4);
    AddLe(header, blockAlign, 2);
    AddLe(header, static_cast<uint32_t>(bits_), 2);
    if (extensible) {
        AddLe(header, kExtensionBytes, 2);
        AddLe(header, static_cast<uint32_t>(bits_), 2);  // every bit of the container is valid
        AddLe(header, format.Speakers(), 4);
        AddLe(header, isFloat ? kFormatFloat : kFormatPcm, 2);
        header.insert(header.end(), std::begin(kSubformatTail), std::end(kSubformatTail));
    }
    factAt_ = 0;
    if (isFloat) {
        AddChunk(header, "fact", 4);
        factAt_ = static_cast<uint32_t>(header.size());
        AddLe(header, 0, 4);  // placeholder until Close
    }
    AddChunk(header, "data", 0);  // placeholder until Close
    headerSize_ = static_cast<uint32_t>(header.size());
    if (!file_.Create(path)) return 0;
    return file_.Write(header.data(), header.size()) ? 1 : 0;
}

// The RIFF size field (file length - 8) is 32 bits wide, so sample data may reach the rest
// at most (one byte less than it could, for the pad byte an odd length needs).
bool WavWriter::Fits(uint64_t bytes) {
    const uint64_t maxDataBytes = 0xFFFFFFFFull - (headerSize_ - 8) - 1;
    tooLarge_ = file_.Length() - headerSize_ + bytes > maxDataBytes;
    return !tooLarge_;
}

template <typename Sample>
int WavWriter::WriteSamples(const Sample* left, const Sample* right, int count) {
    if (!file_.IsOpen()) return 0;
    if (count <= 0) return 1;
    const size_t bytes = static_cast<size_t>(count) * channels_ * sizeof(Sample);
    if (!Fits(bytes)) return 0;
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

int WavWriter::WriteFrames(const float* frames, int count) {
    if (!file_.IsOpen()) return 0;
    if (count <= 0) return 1;
    const int sampleBytes = bits_ / 8;
    const size_t samples = static_cast<size_t>(count) * channels_;
    if (!Fits(samples * sampleBytes)) return 0;
    interleaved_.resize(samples * sampleBytes);
    for (size_t i = 0; i < samples; ++i) PutFrameSample(interleaved_.data() + i * sampleBytes, frames[i], bits_);
    return file_.Write(interleaved_.data(), interleaved_.size()) ? 1 : 0;
}

int WavWriter::Close() {
    if (!file_.IsOpen()) return file_.Failed() || tooLarge_ ? 0 : 1;
    const uint64_t dataBytes = file_.Length() - headerSize_;
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
    file_.WriteAt(headerSize_ - 4, size, 4);
    if (factAt_ != 0) {
        PutLe32(size, static_cast<uint32_t>(dataBytes / (static_cast<uint64_t>(channels_) * bits_ / 8)));
        file_.WriteAt(factAt_, size, 4);
    }
    return file_.Close() && !tooLarge_ ? 1 : 0;
}

std::string WavWriter::ErrorText() const {
    if (tooLarge_) return "the WAV file would grow beyond 4 GiB";
    return file_.ErrorText();
}

}  // namespace tonewright
