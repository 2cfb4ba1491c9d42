#include "sources/aiff/aiffsource.h"

#include <sys/types.h>

#include <climits>
#include <cstring>

#include "metadata/filetags.h"
#include "sources/aiff/aifflayout.h"
#include "sources/codecs/bigendiansamples.h"
#include "sources/codecs/blockframedecoder.h"
#include "sources/codecs/dwvw.h"
#include "sources/codecs/gsmdecoder.h"
#include "sources/codecs/ima4decoder.h"
#include "sources/codecs/streammeasures.h"
#include "sources/wav/wavsamples.h"

namespace tonewright {

namespace {

enum class AiffCodec { Pcm, Fixed, Ima4, Gsm, Dwvw };

struct CompressionType {
    char id[5];
    AiffCodec codec;
    bool littleEndian = false;              // Pcm
    StoredSampleDecoder decoder = nullptr;  // Fixed: each sample decodes on its own,
    uint16_t storedBits = 0;                // at this width,
    bool eightBit = false;                  // to 8 bits (else 16)
    bool floating = false;                  // IEEE float, delivered as such in frames
};

// Compared with the file's type after upper-casing it.
const CompressionType kCompressionTypes[] = {
    {"NONE", AiffCodec::Pcm},
    {"TWOS", AiffCodec::Pcm},
    {"IN24", AiffCodec::Pcm},
    {"IN32", AiffCodec::Pcm},
    {"SOWT", AiffCodec::Pcm, true},
    {"23NI", AiffCodec::Pcm, true},
    {"ULAW", AiffCodec::Fixed, false, DecodeWavMulaw, 8},
    {"ALAW", AiffCodec::Fixed, false, DecodeWavAlaw, 8},
    {"FL32", AiffCodec::Fixed, false, DecodeBeFloat32, 32, false, true},
    {"FL64", AiffCodec::Fixed, false, DecodeBeFloat64, 64, false, true},
    {"RAW ", AiffCodec::Fixed, false, DecodeWavU8, 8, true},  // offset binary
    {"IMA4", AiffCodec::Ima4},
    {"GSM ", AiffCodec::Gsm},
    {"DWVW", AiffCodec::Dwvw},
};

const CompressionType* FindCompressionType(const char* id) {
    for (const CompressionType& type : kCompressionTypes)
        if (std::memcmp(type.id, id, 4) == 0) return &type;
    return nullptr;
}

// The delivered channels by the stored count, in the AIFF channel order: of 3 (left, right,
// centre) and 4 (front left, front right, rear left, rear right) the first two; of 6 the
// first and the fourth. Other counts are not read.
bool PickChannels(uint16_t channels, ChannelPick& pick) {
    pick.storedChannels = channels;
    pick.left = 0;
    switch (channels) {
        case 1:
            pick.stereo = false;
            return true;
        case 2:
        case 3:
        case 4:
            pick.right = 1;
            pick.stereo = true;
            return true;
        case 6:
            pick.right = 3;
            pick.stereo = true;
            return true;
        default:
            return false;
    }
}

// Frames deliver every channel in ascending speaker order. AIFF's own order: 3 channels are
// left, right, centre; 4 front left, front right, rear left, rear right; 6 left, left
// centre, centre, right, right centre, surround.
ChannelOrder AiffFrameOrder(uint16_t channels) {
    if (channels != 6) return StoredInMaskOrder(channels, DefaultChannelMask(channels));
    const uint32_t speakers[] = {kFrontLeft, kFrontLeftOfCenter, kFrontCenter, kFrontRight, kFrontRightOfCenter,
                                 kBackCenter};
    return FromSpeakerOrder(speakers, 6);
}

constexpr size_t kIma4PacketBytes = 34;
constexpr uint64_t kIma4PacketFrames = 64;
constexpr uint64_t kGsmFrameBytes = 33;
constexpr uint64_t kGsmFrameSamples = 160;
constexpr int kMaxPcmBits = 32;

// Integer PCM: the most significant 16 bits (8 for samples of up to 8 bits) of samples
// stored in whole bytes.
StoredSampleDecoder PcmDecoder(size_t sampleBytes, bool littleEndian) {
    switch (sampleBytes) {
        case 1:
            return DecodeS8AsU8;
        case 2:
            return littleEndian ? DecodeWavS16 : DecodeBeTop16;
        case 3:
            return littleEndian ? DecodeWavS24 : DecodeBeTop16;
        default:
            return littleEndian ? DecodeWavS32 : DecodeBeTop16;
    }
}

// Writers that could not seek back leave the COMM frame count 0 or all ones.
bool FrameCountKnown(const AiffLayout& layout) { return layout.frameCount != 0 && layout.frameCount != UINT32_MAX; }

// Frames of the sound data: counted from its size for IMA4 and GSM, else the COMM frame
// count, which counts as 1 when it is not known.
uint64_t StoredFrames(AiffCodec codec, const AiffLayout& layout) {
    switch (codec) {
        case AiffCodec::Ima4:
            return MulDiv(layout.dataSize, kIma4PacketFrames, layout.channels * kIma4PacketBytes);
        case AiffCodec::Gsm:
            return MulDiv(layout.dataSize, kGsmFrameSamples, kGsmFrameBytes) / layout.channels;
        default:
            return FrameCountKnown(layout) ? layout.frameCount : 1;
    }
}

// The decoder of the coded kinds. IMA4 decodes any channel count (a packet per channel in
// turn); GSM is one mono stream, whose samples alternate left and right with two channels;
// a known frame count ends a DWVW bit stream before the bits that pad it.
std::unique_ptr<FrameDecoder> CreateCodedDecoder(AiffCodec codec, const AiffLayout& layout) {
    const size_t stored = layout.channels;
    switch (codec) {
        case AiffCodec::Ima4:
            return CreateBlockFrameDecoder(CreateIma4Decoder(stored), stored);
        case AiffCodec::Gsm:
            return stored <= 2 ? CreateBlockFrameDecoder(CreateGsmDecoder(), stored) : nullptr;
        case AiffCodec::Dwvw:
            return CreateDwvwDecoder(layout.sampleSize, stored, FrameCountKnown(layout) ? layout.frameCount : 0);
        default:
            return nullptr;
    }
}

}  // namespace

AiffSource::~AiffSource() { Close(); }

void AiffSource::Close() {
    reader_.Stop();
    dataStart_ = 0;
    frameFormat_ = FrameFormat();
    path_.clear();
    ResetFields();
}

int AiffSource::Open(const std::string& path, int /*renderRate*/) {
    Close();
    UniqueFile file(std::fopen(path.c_str(), "rb"));
    AiffLayout layout;
    if (!file || !ReadAiffLayout(file.get(), layout)) return 0;
    // The bit rate of the measures is taken over the whole file. Sound data that would start
    // beyond its end is no sound data.
    length = OpenFileSize(file.get());
    if (layout.dataStart > length || fseeko(file.get(), static_cast<off_t>(layout.dataStart), SEEK_SET) != 0 ||
        !StartReading(std::move(file), layout)) {
        Close();
        return 0;
    }
    dataStart_ = layout.dataStart;
    position = dataStart_;
    path_ = path;
    return 1;
}

int AiffSource::ReadBlock(void* left, void* right) {
    const int frames = reader_.Read(left, right);
    position = dataStart_ + reader_.Consumed();
    return frames < 0 ? FailRead(reader_.ReadError()) : frames;
}

int AiffSource::ReadFrames(float* frames) {
    const int count = reader_.ReadFrames(frames);
    position = dataStart_ + reader_.Consumed();
    return count < 0 ? FailRead(reader_.ReadError()) : count;
}

int AiffSource::GetTags(TagInfo& tags) { return path_.empty() ? 0 : ReadFileTags(path_, tags); }

bool AiffSource::StartReading(UniqueFile file, const AiffLayout& layout) {
    const CompressionType* type = FindCompressionType(layout.compression);
    ChannelPick pick;
    // A rate below 1 Hz describes no playable stream (and the duration divides by it);
    // rates are reported as int.
    if (!type || !PickChannels(layout.channels, pick) || layout.sampleRate < 1 || layout.sampleRate > INT_MAX)
        return false;
    uint16_t storedBits = layout.sampleSize;
    bool eightBit = false;
    switch (type->codec) {
        case AiffCodec::Pcm: {
            if (layout.sampleSize < 1 || layout.sampleSize > kMaxPcmBits) return false;
            const size_t sampleBytes = (layout.sampleSize + 7u) / 8;
            eightBit = sampleBytes == 1;
            reader_.StartDirect(std::move(file), layout.dataSize, pick, PcmDecoder(sampleBytes, type->littleEndian),
                                sampleBytes, eightBit, IntegerFrameSample(sampleBytes, !type->littleEndian));
            break;
        }
        case AiffCodec::Fixed:
            storedBits = type->storedBits;
            eightBit = type->eightBit;
            reader_.StartDirect(std::move(file), layout.dataSize, pick, type->decoder, storedBits / 8u, eightBit,
                                type->floating ? FloatFrameSample(storedBits / 8u, true) : FrameSample());
            break;
        default: {
            auto decoder = CreateCodedDecoder(type->codec, layout);
            if (!decoder) return false;
            if (type->codec == AiffCodec::Ima4) storedBits = 4;
            reader_.StartCoded(std::move(file), layout.dataSize, pick, std::move(decoder));
            break;
        }
    }
    const ChannelOrder order = AiffFrameOrder(layout.channels);
    reader_.SetFrameOrder(order);
    frameFormat_ = {order.channels, order.mask, reader_.FrameBits()};
    sampleRate = static_cast<int>(layout.sampleRate);
    sourceChannels = layout.channels;
    channels = pick.stereo ? 2 : 1;
    bitsPerSample = eightBit ? 8 : 16;
    bytesPerSample = bitsPerSample / 8;
    const StreamMeasures measures = MeasureStream(StoredFrames(type->codec, layout), length,
                                                  static_cast<uint32_t>(sampleRate), storedBits, layout.channels);
    durationSeconds = measures.durationSeconds;
    bitrateKbps = measures.bitrateKbps;
    return true;
}

}  // namespace tonewright
