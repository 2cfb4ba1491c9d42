#include "engine/resampler.h"

#include <soxr.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tonewright {

namespace {

// Output room asked of the rate converter per call when it is being drained.
constexpr int kFlushChunk = 4096;

bool ValidFormat(int rate, int channels, int bits) {
    return rate > 0 && (channels == 1 || channels == 2) && (bits == 8 || bits == 16);
}

void Grow(std::vector<uint8_t>& buffer, size_t bytes) {
    if (buffer.size() < bytes) buffer.resize(bytes);
}

void Grow(std::vector<float>& buffer, size_t count) {
    if (buffer.size() < count) buffer.resize(count);
}

void WidenTo16(const uint8_t* in, int16_t* out, int count) {
    for (int i = 0; i < count; ++i) out[i] = static_cast<int16_t>((in[i] - 128) * 256);
}

void NarrowTo8(const int16_t* in, uint8_t* out, int count) {
    for (int i = 0; i < count; ++i) out[i] = static_cast<uint8_t>((in[i] >> 8) + 128);
}

// (L+R)/2 with the halving done by a shift, as signed values for 16 bits and as unsigned
// values for 8 bits.
void MixToMono(const void* left, const void* right, void* out, int count, int bits) {
    if (bits == 16) {
        auto l = static_cast<const int16_t*>(left), r = static_cast<const int16_t*>(right);
        auto o = static_cast<int16_t*>(out);
        for (int i = 0; i < count; ++i) o[i] = static_cast<int16_t>((l[i] + r[i]) >> 1);
    } else {
        auto l = static_cast<const uint8_t*>(left), r = static_cast<const uint8_t*>(right);
        auto o = static_cast<uint8_t*>(out);
        for (int i = 0; i < count; ++i) o[i] = static_cast<uint8_t>((l[i] + r[i]) >> 1);
    }
}

void ToFloats(const void* in, float* out, int count, int bits) {
    if (bits == 16) {
        auto s = static_cast<const int16_t*>(in);
        for (int i = 0; i < count; ++i) out[i] = static_cast<float>(s[i]) / 32768.0f;
    } else {
        auto s = static_cast<const uint8_t*>(in);
        for (int i = 0; i < count; ++i) out[i] = static_cast<float>(s[i] - 128) / 128.0f;
    }
}

void FromFloats(const float* in, void* out, int count, int bits) {
    if (bits == 16) {
        auto o = static_cast<int16_t*>(out);
        for (int i = 0; i < count; ++i)
            o[i] = static_cast<int16_t>(std::trunc(std::clamp(in[i], -1.0f, 1.0f) * 32767.0f));
    } else {
        auto o = static_cast<uint8_t*>(out);
        for (int i = 0; i < count; ++i)
            o[i] = static_cast<uint8_t>(static_cast<int>(std::trunc(std::clamp(in[i], -1.0f, 1.0f) * 127.0f)) + 128);
    }
}

}  // namespace

void Resampler::SoxrDeleter::operator()(soxr* handle) const { soxr_delete(handle); }

Resampler::Resampler() = default;
Resampler::~Resampler() = default;

int Resampler::Setup() {
    if (!ValidFormat(sourceRate, sourceChannels, sourceBits) || !ValidFormat(targetRate, targetChannels, targetBits))
        return 0;
    if (sourceRate == targetRate) return 1;
    converterChannels_ = targetChannels == 1 ? 1 : sourceChannels;
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_S, SOXR_FLOAT32_S);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    soxr_error_t error = nullptr;
    converter_.reset(soxr_create(sourceRate, targetRate, static_cast<unsigned>(converterChannels_), &error, &io,
                                 &quality, nullptr));
    return converter_ && !error ? 1 : 0;
}

int Resampler::Convert(const void* left, const void* right, int count) {
    if (count <= 0) return 0;
    if (!converter_) return ConvertAtEqualRates(left, right, count);

    const void* blockLeft = left;
    const void* blockRight = right;
    if (targetChannels == 1 && sourceChannels == 2) {
        Grow(mix_, static_cast<size_t>(count) * 2);
        MixToMono(left, right, mix_.data(), count, sourceBits);
        blockLeft = mix_.data();
        blockRight = nullptr;
    }
    const float* input[2] = {nullptr, nullptr};
    for (int c = 0; c < converterChannels_; ++c) {
        Grow(floatIn_[c], static_cast<size_t>(count));
        ToFloats(c == 0 ? blockLeft : blockRight, floatIn_[c].data(), count, sourceBits);
        input[c] = floatIn_[c].data();
    }
    return StoreResampled(ResampleFloats(input, count, converterChannels_), converterChannels_);
}

int Resampler::Flush() {
    if (!converter_) return 0;
    return StoreResampled(ResampleFloats(nullptr, 0, converterChannels_), converterChannels_);
}

// Runs the rate converter until it has taken all `count` input samples (or, with no input,
// until it has given out everything it holds), collecting its output in floatOut_.
int Resampler::ResampleFloats(const float* const* input, int count, int blockChannels) {
    const double factor = static_cast<double>(targetRate) / sourceRate;
    const size_t chunk = static_cast<size_t>(std::ceil(std::max(count, kFlushChunk) * factor)) + 64;
    size_t consumed = 0, produced = 0, made = 0;
    do {
        for (int c = 0; c < blockChannels; ++c) Grow(floatOut_[c], produced + chunk);
        const float* in[2] = {nullptr, nullptr};
        float* out[2] = {nullptr, nullptr};
        for (int c = 0; c < blockChannels; ++c) {
            if (input) in[c] = input[c] + consumed;
            out[c] = floatOut_[c].data() + produced;
        }
        size_t used = 0;
        made = 0;
        if (soxr_process(converter_.get(), input ? in : nullptr, input ? count - consumed : 0, &used, out, chunk,
                         &made))
            break;
        consumed += used;
        produced += made;
        if (input && used == 0 && made == 0) break;  // no progress: never spin
    } while ((input && consumed < static_cast<size_t>(count)) || made == chunk || (!input && made > 0));
    return static_cast<int>(produced);
}

int Resampler::StoreResampled(int outCount, int blockChannels) {
    // While the converter fills up (the first block when the rate is lowered) it gives
    // nothing: there is nothing to copy, and the buffers may not exist yet.
    if (outCount <= 0) return 0;
    const size_t bytes = static_cast<size_t>(outCount) * (targetBits / 8);
    Grow(output_[0], bytes);
    if (targetChannels == 2) Grow(output_[1], bytes);
    FromFloats(floatOut_[0].data(), output_[0].data(), outCount, targetBits);
    if (targetChannels == 2) {
        if (blockChannels == 2) FromFloats(floatOut_[1].data(), output_[1].data(), outCount, targetBits);
        else std::memcpy(output_[1].data(), output_[0].data(), bytes);
    }
    return outCount;
}

int Resampler::ConvertAtEqualRates(const void* left, const void* right, int count) {
    const void* channel[2] = {left, sourceChannels == 2 ? right : nullptr};
    if (sourceBits != targetBits) {
        for (int c = 0; c < sourceChannels; ++c) {
            Grow(width_[c], static_cast<size_t>(count) * 2);
            if (targetBits == 16)
                WidenTo16(static_cast<const uint8_t*>(channel[c]), reinterpret_cast<int16_t*>(width_[c].data()), count);
            else
                NarrowTo8(static_cast<const int16_t*>(channel[c]), width_[c].data(), count);
            channel[c] = width_[c].data();
        }
    }
    if (targetChannels == 2 && sourceChannels == 1) channel[1] = channel[0];
    if (targetChannels == 1 && sourceChannels == 2) {
        Grow(mix_, static_cast<size_t>(count) * 2);
        MixToMono(channel[0], channel[1], mix_.data(), count, targetBits);
        channel[0] = mix_.data();
    }
    const size_t bytes = static_cast<size_t>(count) * (targetBits / 8);
    for (int c = 0; c < targetChannels; ++c) {
        Grow(output_[c], bytes);
        std::memcpy(output_[c].data(), channel[c], bytes);
    }
    return count;
}

}  // namespace tonewright
