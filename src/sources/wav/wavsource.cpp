#include "sources/wav/wavsource.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <climits>

#include "sources/clamptoint.h"
#include "sources/codecs/gsmdecoder.h"
#include "sources/codecs/imaadpcm.h"
#include "sources/codecs/msadpcm.h"
#include "sources/wav/wavlayout.h"

namespace tonewright {

namespace {

// Plain and extensible PCM and float files are accepted with up to 8 channels.
constexpr uint16_t kMaxLinearChannels = 8;
// A read covers kBlockSamples frames. A-law and mu-law accept any channel count; with
// hundreds of channels fewer frames are read at a time, so the buffer never exceeds this.
constexpr size_t kMaxReadBytes = size_t{1} << 20;
constexpr uint16_t kGsmBlockAlign = 65;
constexpr uint16_t kGsmSamplesPerBlock = 320;

// value × multiplier ÷ divisor, rounded down, without forming the full product (the data
// size of a streamed file is 64-bit; multiplier and divisor stay below 2^32).
uint64_t MulDiv(uint64_t value, uint64_t multiplier, uint64_t divisor) {
    return value / divisor * multiplier + value % divisor * multiplier / divisor;
}

// Sample frames stored in dataBytes of the data chunk, by the rule of each format.
uint64_t StoredFrames(const WavFormat& format, uint64_t dataBytes) {
    switch (format.tag) {
        case kWavTagMsAdpcm:
        case kWavTagImaAdpcm:
            return MulDiv(dataBytes, format.samplesPerBlock, format.blockAlign);
        case kWavTagGsm:
            return MulDiv(dataBytes, kGsmSamplesPerBlock, kGsmBlockAlign);
        default:
            if (format.bitsPerSample == 0) return 0;
            return MulDiv(dataBytes, 8, static_cast<uint64_t>(format.bitsPerSample) * format.channels);
    }
}

uint64_t FileSize(std::FILE* file) {
    struct stat info;
    return fstat(fileno(file), &info) == 0 && info.st_size > 0 ? static_cast<uint64_t>(info.st_size) : 0;
}

}  // namespace

WavSource::~WavSource() { Close(); }

void WavSource::Close() {
    reader_ = nullptr;
    decodeSample_ = nullptr;
    frames_ = DirectFrames();
    frameFormat_ = FrameFormat();
    file_.reset();
    blockDecoder_.reset();
    raw_ = std::vector<uint8_t>();
    decoded_ = std::vector<int16_t>();
    storedSampleBytes_ = 0;
    frameBytes_ = 0;
    decodedFill_ = 0;
    cursor_ = 0;
    readError_ = 0;
    ResetFields();
}

int WavSource::Open(const std::string& path, int /*renderRate*/) {
    Close();
    file_.reset(std::fopen(path.c_str(), "rb"));
    WavLayout layout;
    if (!file_ || !ReadWavLayout(file_.get(), layout) || !SetUpDecoding(layout.format)) {
        Close();
        return 0;
    }
    SetMeasures(layout, FileSize(file_.get()));
    if (decodeSample_ && sourceChannels <= kMaxRoadChannels) {
        // Speaker bits above those the road knows are not counted.
        const uint32_t mask = UsableChannelMask(layout.format.channelMask & kKnownSpeakers, sourceChannels);
        frames_.order = StoredInMaskOrder(sourceChannels, mask);
        frameFormat_ = {sourceChannels, mask, frames_.Bits()};
    }
    return 1;
}

int WavSource::ReadBlock(void* left, void* right) {
    const int frames = reader_ ? (this->*reader_)(left, right) : 0;
    // The frames read before a failed read are delivered; the next call reports the failure.
    return frames == 0 && readError_ != 0 ? FailRead(readError_) : frames;
}

FrameFormat WavSource::GetFrameFormat() const {
    return frameFormat_.channels > 0 ? frameFormat_ : AudioSource::GetFrameFormat();
}

int WavSource::ReadFrames(float* frames) {
    if (frameFormat_.channels == 0) return AudioSource::ReadFrames(frames);
    // A frame cut short by the end of the data is dropped.
    const size_t count = ReadData(raw_.size()) / frameBytes_;
    frames_.Decode(raw_.data(), count, frames);
    return count == 0 && readError_ != 0 ? FailRead(readError_) : static_cast<int>(count);
}

bool WavSource::SetUpDecoding(const WavFormat& format) {
    // A rate of 0 describes no playable stream (and the duration divides by it); rates are
    // reported as int.
    if (format.channels == 0 || format.sampleRate == 0 || format.sampleRate > INT_MAX) return false;
    sampleRate = static_cast<int>(format.sampleRate);
    sourceChannels = format.channels;
    channels = std::min(sourceChannels, 2);
    bitsPerSample = 16;
    bytesPerSample = 2;
    switch (format.tag) {
        case kWavTagExtensible:
            // Float samples are announced by the sub-format (writers use the extensible
            // header for float and for anything above 16 bits); everything else is read
            // as integer PCM of the stored width.
            if (format.subFormat == kWavTagFloat)
                return format.channels <= kMaxLinearChannels && SetUpFloat(format.bitsPerSample);
            return format.channels <= kMaxLinearChannels && SetUpPcm(format.bitsPerSample);
        case kWavTagPcm:
            return format.channels <= kMaxLinearChannels && SetUpPcm(format.bitsPerSample);
        case kWavTagFloat:
            return format.channels <= kMaxLinearChannels && SetUpFloat(format.bitsPerSample);
        case kWavTagAlaw:
            return SetUpDirect(DecodeWavAlaw, 1);
        case kWavTagMulaw:
            return SetUpDirect(DecodeWavMulaw, 1);
        case kWavTagMsAdpcm:
            return SetUpBlocks(
                CreateMsAdpcmDecoder(format.channels, format.blockAlign, format.samplesPerBlock, format.predictors));
        case kWavTagImaAdpcm:
            return SetUpBlocks(CreateImaAdpcmWavDecoder(format.channels, format.blockAlign, format.samplesPerBlock));
        case kWavTagGsm:
            // Two channels are read as alternating left and right samples of one stream.
            return format.channels <= 2 && format.blockAlign == kGsmBlockAlign &&
                   format.samplesPerBlock == kGsmSamplesPerBlock && SetUpBlocks(CreateGsmWav49Decoder());
        default:
            return false;
    }
}

bool WavSource::SetUpPcm(uint16_t storedBits) {
    switch (storedBits) {
        case 8:
            bitsPerSample = 8;
            bytesPerSample = 1;
            return SetUpDirect(DecodeWavU8, 1);
        case 16:
            return SetUpDirect(DecodeWavS16, 2);
        case 24:
            return SetUpDirect(DecodeWavS24, 3, IntegerFrameSample(3, false));
        case 32:
            return SetUpDirect(DecodeWavS32, 4, IntegerFrameSample(4, false));
        default:
            return false;
    }
}

bool WavSource::SetUpFloat(uint16_t storedBits) {
    switch (storedBits) {
        case 32:
            return SetUpDirect(DecodeWavFloat32, 4, FloatFrameSample(4, false));
        case 64:
            return SetUpDirect(DecodeWavFloat64, 8, FloatFrameSample(8, false));
        default:
            return false;
    }
}

bool WavSource::SetUpDirect(WavSampleDecoder decoder, size_t storedSampleBytes, FrameSample wide) {
    decodeSample_ = decoder;
    storedSampleBytes_ = storedSampleBytes;
    frameBytes_ = storedSampleBytes * static_cast<size_t>(sourceChannels);
    frames_ = {wide, decoder, bitsPerSample == 8, storedSampleBytes, frameBytes_, {}};
    const size_t framesPerRead = std::clamp<size_t>(kMaxReadBytes / frameBytes_, 1, kBlockSamples);
    raw_.resize(frameBytes_ * framesPerRead);
    reader_ = bitsPerSample == 8 ? &WavSource::ReadDirect<uint8_t> : &WavSource::ReadDirect<int16_t>;
    return true;
}

bool WavSource::SetUpBlocks(std::unique_ptr<BlockDecoder> decoder) {
    if (!decoder) return false;
    raw_.resize(decoder->BlockBytes());
    decoded_.resize(decoder->BlockSamples());
    blockDecoder_ = std::move(decoder);
    reader_ = &WavSource::ReadBlocks;
    return true;
}

void WavSource::SetMeasures(const WavLayout& layout, uint64_t fileSize) {
    const WavFormat& format = layout.format;
    // A size of 0 is written by streaming writers that could not seek back: the data runs to
    // the end of the file.
    if (layout.dataSize != 0) {
        length = layout.dataSize;
    } else {
        length = fileSize > layout.dataOffset ? fileSize - layout.dataOffset : 0;
    }
    position = 0;
    durationSeconds = ClampToInt(StoredFrames(format, length) / format.sampleRate);
    if (durationSeconds != 0) {
        bitrateKbps = ClampToInt(length / (static_cast<uint64_t>(durationSeconds) * 125));
    } else {
        bitrateKbps =
            ClampToInt(static_cast<uint64_t>(format.bitsPerSample) * format.channels * format.sampleRate / 1000);
    }
}

// Reads up to `wanted` bytes of the data chunk into raw_, moving position over them, and
// returns how many it read. A read that failed ends the data and keeps its error number.
size_t WavSource::ReadData(size_t wanted) {
    if (readError_ != 0) return 0;
    const size_t granted = static_cast<size_t>(std::min<uint64_t>(wanted, length - position));
    position += granted;
    errno = 0;
    const size_t got = granted == 0 ? 0 : std::fread(raw_.data(), 1, granted, file_.get());
    if (got < granted && std::ferror(file_.get())) readError_ = errno != 0 ? errno : EIO;
    return got;
}

template <typename Sample>
int WavSource::ReadDirect(void* left, void* right) {
    const size_t got = ReadData(raw_.size());
    // A frame cut short by the end of the data is dropped.
    const size_t frames = got / frameBytes_;
    auto* leftOut = static_cast<Sample*>(left);
    auto* rightOut = channels == 2 ? static_cast<Sample*>(right) : nullptr;
    for (size_t f = 0; f < frames; ++f) {
        const uint8_t* frame = raw_.data() + f * frameBytes_;
        leftOut[f] = static_cast<Sample>(decodeSample_(frame));
        if (rightOut) rightOut[f] = static_cast<Sample>(decodeSample_(frame + storedSampleBytes_));
    }
    return static_cast<int>(frames);
}

int WavSource::ReadBlocks(void* left, void* right) {
    auto* leftOut = static_cast<int16_t*>(left);
    auto* rightOut = static_cast<int16_t*>(right);
    const size_t stride = static_cast<size_t>(channels);
    int delivered = 0;
    for (;;) {
        for (; delivered < kBlockSamples && cursor_ + stride <= decodedFill_; ++delivered, cursor_ += stride) {
            leftOut[delivered] = decoded_[cursor_];
            if (stride == 2) rightOut[delivered] = decoded_[cursor_ + 1];
        }
        if (delivered == kBlockSamples || !DecodeNextBlock()) return delivered;
    }
}

// Reads and decodes the next block into decoded_. False at the end of the data, for a block
// cut short by the end of the data chunk or of the file (it is dropped), and for a block
// that does not decode.
bool WavSource::DecodeNextBlock() {
    cursor_ = 0;
    decodedFill_ = 0;
    const size_t blockBytes = raw_.size();
    if (ReadData(blockBytes) < blockBytes || !blockDecoder_->DecodeBlock(raw_.data(), decoded_.data()))
        return false;
    decodedFill_ = decoded_.size();
    return true;
}

}  // namespace tonewright
