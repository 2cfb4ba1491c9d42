#include "sources/au/ausource.h"

#include <sys/types.h>

#include "sources/au/auheader.h"
#include "sources/codecs/bigendiansamples.h"
#include "sources/codecs/g72x.h"
#include "sources/codecs/streammeasures.h"
#include "sources/wav/wavsamples.h"

namespace tonewright {

namespace {

// Out-of-range header values are taken as garbage and replaced.
constexpr uint32_t kMinSampleRate = 1000;
constexpr uint32_t kMaxSampleRate = 768000;
constexpr uint32_t kReplacementSampleRate = 8000;
constexpr uint32_t kMaxChannels = 65535;

struct Encoding {
    uint32_t code;
    uint16_t storedBits;
    StoredSampleDecoder bigEndian;     // null for the ADPCM encodings
    StoredSampleDecoder littleEndian;  // the same for byte-wide samples
    // Frames: the decoder of samples wider than 16 bits, by stored bytes and byte order.
    FrameSample (*wide)(size_t storedBytes, bool bigEndian) = nullptr;
};

constexpr Encoding kEncodings[] = {
    {1, 8, DecodeWavMulaw, DecodeWavMulaw},
    {2, 8, DecodeS8AsS16, DecodeS8AsS16},
    {3, 16, DecodeBeTop16, DecodeWavS16},
    {4, 24, DecodeBeTop16, DecodeWavS24, IntegerFrameSample},
    {5, 32, DecodeBeTop16, DecodeWavS32, IntegerFrameSample},
    {6, 32, DecodeBeFloat32, DecodeWavFloat32, FloatFrameSample},
    {7, 64, DecodeBeFloat64, DecodeWavFloat64, FloatFrameSample},
    {23, 4, nullptr, nullptr},  // G.721, 32 kbit/s
    {25, 3, nullptr, nullptr},  // G.723, 24 kbit/s
    {26, 5, nullptr, nullptr},  // G.723, 40 kbit/s
    {27, 8, DecodeWavAlaw, DecodeWavAlaw},
};

const Encoding* FindEncoding(uint32_t code) {
    for (const Encoding& encoding : kEncodings)
        if (encoding.code == code) return &encoding;
    return nullptr;
}

}  // namespace

AuSource::~AuSource() { Close(); }

void AuSource::Close() {
    reader_.Stop();
    frameFormat_ = FrameFormat();
    ResetFields();
}

int AuSource::Open(const std::string& path, int /*renderRate*/) {
    Close();
    UniqueFile file(std::fopen(path.c_str(), "rb"));
    AuHeader header;
    if (!file || !ReadAuHeader(file.get(), header)) return 0;
    // Streaming writers leave the size unknown: the data runs to the end of the file.
    const uint64_t fileSize = OpenFileSize(file.get());
    uint64_t dataBytes = header.dataSize;
    if (header.dataSize == kAuUnknownDataSize) dataBytes = fileSize > header.dataOffset ? fileSize - header.dataOffset : 0;
    if (fseeko(file.get(), static_cast<off_t>(header.dataOffset), SEEK_SET) != 0 ||
        !StartReading(std::move(file), header, dataBytes)) {
        Close();
        return 0;
    }
    return 1;
}

int AuSource::ReadBlock(void* left, void* right) {
    const int frames = reader_.Read(left, right);
    position = reader_.Consumed();
    return frames < 0 ? FailRead(reader_.ReadError()) : frames;
}

FrameFormat AuSource::GetFrameFormat() const {
    return frameFormat_.channels > 0 ? frameFormat_ : AudioSource::GetFrameFormat();
}

int AuSource::ReadFrames(float* frames) {
    if (frameFormat_.channels == 0) return AudioSource::ReadFrames(frames);
    const int count = reader_.ReadFrames(frames);
    position = reader_.Consumed();
    return count < 0 ? FailRead(reader_.ReadError()) : count;
}

bool AuSource::StartReading(UniqueFile file, const AuHeader& header, uint64_t dataBytes) {
    const Encoding* encoding = FindEncoding(header.encoding);
    if (!encoding) return false;
    const uint32_t rate = header.sampleRate < kMinSampleRate || header.sampleRate > kMaxSampleRate
                              ? kReplacementSampleRate
                              : header.sampleRate;
    const auto stored = static_cast<uint16_t>(header.channels == 0 || header.channels > kMaxChannels ? 1 : header.channels);
    ChannelPick pick;
    pick.storedChannels = stored;
    pick.right = 1;
    pick.stereo = stored > 1;
    if (encoding->bigEndian) {
        const size_t storedBytes = encoding->storedBits / 8u;
        const StoredSampleDecoder decoder = header.bigEndian ? encoding->bigEndian : encoding->littleEndian;
        reader_.StartDirect(std::move(file), dataBytes, pick, decoder, storedBytes, false,
                            encoding->wide ? encoding->wide(storedBytes, header.bigEndian) : FrameSample());
    } else {
        auto decoder = CreateG72xDecoder(encoding->storedBits, stored);
        if (!decoder) return false;
        reader_.StartCoded(std::move(file), dataBytes, pick, std::move(decoder));
    }
    if (stored <= kMaxRoadChannels) {
        const ChannelOrder order = StoredInMaskOrder(stored, DefaultChannelMask(stored));
        reader_.SetFrameOrder(order);
        frameFormat_ = {order.channels, order.mask, reader_.FrameBits()};
    }
    sampleRate = static_cast<int>(rate);
    sourceChannels = stored;
    channels = pick.stereo ? 2 : 1;
    bitsPerSample = 16;
    bytesPerSample = 2;
    length = dataBytes;
    position = 0;
    const uint64_t frames = MulDiv(dataBytes, 8, static_cast<uint64_t>(encoding->storedBits) * stored);
    const StreamMeasures measures = MeasureStream(frames, dataBytes, rate, encoding->storedBits, stored);
    durationSeconds = measures.durationSeconds;
    bitrateKbps = measures.bitrateKbps;
    return true;
}

}  // namespace tonewright
