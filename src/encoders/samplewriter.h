#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

#include "base/channelmode.h"
#include "base/speakerlayout.h"
#include "metadata/taginfo.h"
#include "settings/settingcodes.h"

namespace tonewright {

// The form of the samples a writer takes: rate in Hz, 1 or 2 channels of 8 bits (unsigned,
// silence at 128) or 16 bits (signed) as planar blocks; or, when wide, up to 8 channels (in
// the mask's speaker order) of 16 or 24 bits or floating point as interleaved frames.
struct PcmFormat {
    int rate = 0;
    int channels = 0;
    int bits = 0;
    uint32_t mask = 0;  // the speakers of a wide form; 0 for the usual ones of the count

    bool IsWide() const { return channels > 2 || bits > 16; }
    uint32_t Speakers() const { return UsableChannelMask(mask, channels); }
};

// A stereo source gives one of its channels, not their mix, when fewer channels are asked
// for and the mono choice names the left (1) or the right (2) one.
inline bool PicksOneChannel(int sourceChannels, int targetChannels, int monoType) {
    return sourceChannels > targetChannels && monoType > kMonoMix;
}

// One block of samples at the writer's width. Planar for the block form: `right` is null
// for one channel; the buffers hold int16_t samples when `bits` is 16 and uint8_t samples
// when it is 8. Interleaved for a wide form: `frames` holds count * channels floats at full
// scale +-1.0; with integer bits each is already a whole multiple of 2^-(bits-1), so a writer
// takes it to its integer exactly by scaling (ToInteger).
struct SampleBlock {
    int bits = 16;
    int count = 0;
    uint8_t* left = nullptr;
    uint8_t* right = nullptr;
    const float* frames = nullptr;
    int channels = 0;

    int16_t* Left16() const { return reinterpret_cast<int16_t*>(left); }
    int16_t* Right16() const { return reinterpret_cast<int16_t*>(right); }
};

// What every output format offers the conversion: created with its parameters chosen, it
// writes the target from blocks of samples at the width its plan names.
class SampleWriter {
public:
    virtual ~SampleWriter() = default;
    // Creates the target and writes what comes before the samples. False on failure.
    virtual bool Start(const std::string& targetPath) = 0;
    // False when encoding or writing failed.
    virtual bool Write(const SampleBlock& block) = 0;
    // Ends the file and closes it; also after a failed Start. With `complete` false (the
    // samples stopped early) only what closing needs is done. True when the file was
    // complete and everything written reached it.
    virtual bool Finish(bool complete) = 0;
    // Why the last failure happened, for the row's status.
    virtual std::string ErrorText() const = 0;
};

// Whether an encoder takes interleaved frames (WriteFrames(const float*, int count)).
template <typename Encoder, typename = void>
struct TakesFrames : std::false_type {};
template <typename Encoder>
struct TakesFrames<Encoder, std::void_t<decltype(std::declval<Encoder&>().WriteFrames(nullptr, 0))>>
    : std::true_type {};

// The adapter of an encoder with the usual shape: WriteSamples16 (and WriteSamples8 when it
// takes 8-bit samples), WriteFrames when it takes a wide form, a Close that tells whether
// everything reached the file, and ErrorText. An output derives from it and starts the
// encoder its own way.
template <typename Encoder, bool kTakesEightBits = true>
class EncoderOutput : public SampleWriter {
public:
    template <typename... EncoderArguments>
    explicit EncoderOutput(EncoderArguments... arguments) : encoder_(arguments...) {}

    bool Write(const SampleBlock& block) override {
        if (block.frames) {
            if constexpr (TakesFrames<Encoder>::value) return encoder_.WriteFrames(block.frames, block.count) != 0;
            return false;
        }
        if constexpr (kTakesEightBits)
            if (block.bits == 8) return encoder_.WriteSamples8(block.left, block.right, block.count) != 0;
        return encoder_.WriteSamples16(block.Left16(), block.Right16(), block.count) != 0;
    }
    bool Finish(bool complete) override { return encoder_.Close() != 0 && complete; }
    std::string ErrorText() const override { return encoder_.ErrorText(); }

protected:
    Encoder encoder_;
};

// A frame sample of integer width `bits` as the nearest integer, clipped to the width's
// range; NaN (a damaged float sample) as silence.
inline int32_t ToInteger(float sample, int bits) {
    const float scale = static_cast<float>(1 << (bits - 1));
    const float scaled = sample * scale;
    if (scaled != scaled) return 0;
    if (scaled >= scale - 1.0f) return (1 << (bits - 1)) - 1;
    if (scaled <= -scale) return -(1 << (bits - 1));
    return static_cast<int32_t>(scaled >= 0.0f ? scaled + 0.5f : scaled - 0.5f);
}

struct Settings;
struct WmaFormatList;

// What an output format knows about its source when it decides the output parameters.
struct SourceFormat {
    int inputType = 0;
    int rate = 0;
    int channels = 0;     // delivered: 1 or 2
    int channelMode = kModeUnknown;  // MPEG mode of an MP3 source
    int bitrateKbps = 0;
    int bits = 16;        // delivered: 8 or 16
    int durationSeconds = 0;  // the source's playing time as its decoder tells it; 0 unknown
    FrameFormat stored{};  // what the file holds: up to 8 channels, up to 24 bits or float

    PcmFormat Samples() const { return {rate, channels, bits}; }
    // The stored form at the source's rate, for targets that keep it ("Same as source"); the
    // delivered one when the source tells none.
    PcmFormat StoredSamples() const {
        return stored.channels > 0 ? PcmFormat{rate, stored.channels, stored.bits, stored.mask} : Samples();
    }
};

// The tags a plan may ask of its source, read only when asked.
class SourceTags {
public:
    virtual ~SourceTags() = default;
    // The tags the target gets by its format's tag mode and template; none when it gets none.
    virtual std::optional<TagInfo> Resolved() = 0;
    // The source's own ID3v1 block (128 bytes) and ID3v2 block, null when it has none.
    virtual const uint8_t* Id3v1Block() = 0;
    virtual const uint8_t* Id3v2Block(int& length) = 0;
};

struct PlanRequest {
    const Settings& settings;
    SourceFormat source;
    SourceTags& tags;
    const WmaFormatList* wmaFormats = nullptr;  // the Windows Media codec formats; null until found
};

// A format's answer: the writer with its parameters chosen and the sample form it takes,
// or no writer and the reason.
struct OutputPlan {
    OutputPlan() = default;
    OutputPlan(std::unique_ptr<SampleWriter> planned, const PcmFormat& form)
        : writer(std::move(planned)), samples(form) {}
    static OutputPlan Refused(std::string why) {
        OutputPlan plan;
        plan.reason = std::move(why);
        return plan;
    }

    std::unique_ptr<SampleWriter> writer;
    PcmFormat samples;
    std::string reason;
};

// How an output format is written: the rate rendered sources (MIDI, tracker modules) play
// at for it, its plan, and whether a batch must find the Windows Media codecs first.
struct OutputWriterFactory {
    int (*renderRate)(const Settings& settings);
    OutputPlan (*plan)(const PlanRequest& request);
    bool needsWindowsMedia = false;
};

// The render rate of a format with an automatic flag and a rate setting: 44100 Hz with
// "Auto" or a rate below 1, else the rate.
inline int RenderRateOf(int automatic, int rate) {
    constexpr int kDefaultRenderRate = 44100;
    return automatic || rate < 1 ? kDefaultRenderRate : rate;
}

}  // namespace tonewright
