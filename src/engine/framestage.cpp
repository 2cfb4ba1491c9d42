#include "engine/framestage.h"

#include <soxr.h>

#include <algorithm>

namespace tonewright {

namespace {

// Output room, in frames, the rate converter is offered beyond its expected output.
constexpr size_t kSpareFrames = 256;

void Grow(std::vector<float>& buffer, size_t count) {
    if (buffer.size() < count) buffer.resize(count);
}

}  // namespace

void FrameStage::SoxrDeleter::operator()(soxr* handle) const { soxr_delete(handle); }

FrameStage::FrameStage() = default;
FrameStage::~FrameStage() = default;

bool FrameStage::Setup(const FrameFormat& source, int sourceRate, const PcmFormat& target,
                       const RoadChoices& choices) {
    const bool widthKnown = target.bits == 8 || target.bits == 16 || target.bits == 24 || target.bits == kFloatBits;
    if (!widthKnown || sourceRate <= 0 || target.rate <= 0) return false;
    if (!mix_.Setup(source, target.channels, target.Speakers(), choices.monoType, choices.downmix)) return false;
    target_ = target;
    gain_.reset();
    if (choices.gainPercent) gain_ = static_cast<float>(*choices.gainPercent) / 100.0f;
    quantiser_.reset();
    if (target.bits != kFloatBits) {
        // 8-bit targets are made from 16-bit samples, the way every 8-bit target is made.
        const int bits = target.bits == 8 ? 16 : target.bits;
        quantiser_.emplace(bits, choices.dither && source.bits > 16 && bits == 16);
    }
    converter_.reset();
    if (sourceRate != target.rate) {
        const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
        const soxr_quality_spec_t quality = soxr_quality_spec(source.bits > 16 ? SOXR_VHQ : SOXR_HQ, 0);
        soxr_error_t error = nullptr;
        converter_.reset(soxr_create(sourceRate, target.rate, static_cast<unsigned>(target.channels), &error, &io,
                                     &quality, nullptr));
        if (error || !converter_) return false;
    }
    return true;
}

SampleBlock FrameStage::Process(const float* frames, int count) {
    const float* samples = frames;
    if (!mix_.PassesUnchanged()) {
        Grow(mixed_, static_cast<size_t>(count) * target_.channels);
        mix_.Apply(frames, mixed_.data(), count);
        samples = mixed_.data();
    }
    if (!converter_) return Store(samples, count);
    const size_t channels = static_cast<size_t>(target_.channels);
    size_t consumed = 0, produced = 0;
    const size_t total = static_cast<size_t>(count);
    for (;;) {
        Grow(resampled_, (produced + total * 2 + kSpareFrames) * channels);
        const size_t room = resampled_.size() / channels - produced;
        size_t used = 0, made = 0;
        soxr_process(converter_.get(), samples + consumed * channels, total - consumed, &used,
                     resampled_.data() + produced * channels, room, &made);
        consumed += used;
        produced += made;
        if ((consumed >= total && made < room) || (used == 0 && made == 0)) break;
    }
    return Store(resampled_.data(), static_cast<int>(produced));
}

SampleBlock FrameStage::Flush() {
    if (!converter_) return Store(nullptr, 0);
    const size_t channels = static_cast<size_t>(target_.channels);
    size_t produced = 0;
    for (;;) {
        Grow(resampled_, (produced + kSpareFrames * 16) * channels);
        const size_t room = resampled_.size() / channels - produced;
        size_t made = 0;
        soxr_process(converter_.get(), nullptr, 0, nullptr, resampled_.data() + produced * channels, room, &made);
        produced += made;
        if (made == 0) break;
    }
    return Store(resampled_.data(), static_cast<int>(produced));
}

SampleBlock FrameStage::Store(const float* samples, int count) {
    SampleBlock block;
    block.bits = target_.bits;
    block.count = count;
    const int channels = target_.channels;
    const size_t total = static_cast<size_t>(count) * channels;
    const float gain = gain_.value_or(1.0f);
    if (target_.IsWide()) {
        block.channels = channels;
        if (!gain_ && !quantiser_) {
            block.frames = samples;
            return block;
        }
        Grow(stored_, total);
        for (size_t i = 0; i < total; ++i)
            stored_[i] = quantiser_ ? quantiser_->Quantise(samples[i] * gain) : samples[i] * gain;
        block.frames = stored_.data();
        return block;
    }
    for (int c = 0; c < channels; ++c) {
        if (planar_[c].size() < static_cast<size_t>(count)) planar_[c].resize(static_cast<size_t>(count));
        for (int f = 0; f < count; ++f)
            planar_[c][f] = static_cast<int16_t>(quantiser_->ToStep(samples[static_cast<size_t>(f) * channels + c] * gain));
    }
    if (target_.bits == 16) {
        block.left = reinterpret_cast<uint8_t*>(planar_[0].data());
        block.right = channels == 2 ? reinterpret_cast<uint8_t*>(planar_[1].data()) : nullptr;
        return block;
    }
    for (int c = 0; c < channels; ++c) {
        if (narrow_[c].size() < static_cast<size_t>(count)) narrow_[c].resize(static_cast<size_t>(count));
        for (int f = 0; f < count; ++f) narrow_[c][f] = static_cast<uint8_t>((planar_[c][f] >> 8) + 128);
    }
    block.left = narrow_[0].data();
    block.right = channels == 2 ? narrow_[1].data() : nullptr;
    return block;
}

}  // namespace tonewright
