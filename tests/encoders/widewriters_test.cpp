#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "base/inputtype.h"
#include "base/speakerlayout.h"
#include "encoders/aac/aacoutput.h"
#include "encoders/flac/flacoutput.h"
#include "encoders/mp4/mp4output.h"
#include "encoders/opus/opusoutput.h"
#include "encoders/vorbis/vorbisoutput.h"
#include "encoders/wav/wavoutput.h"
#include "settings/settings.h"
#include "support/testutil.h"

using namespace tonewright;

namespace {

constexpr int kRate = 48000;
constexpr uint32_t k51 = 0x3F;      // FL FR FC LFE BL BR
constexpr uint32_t k51Side = 0x60F;  // FL FR FC LFE SL SR
constexpr uint32_t k71 = 0x63F;

class NoTags : public SourceTags {
public:
    std::optional<TagInfo> Resolved() override { return std::nullopt; }
    const uint8_t* Id3v1Block() override { return nullptr; }
    const uint8_t* Id3v2Block(int&) override { return nullptr; }
};

// A distinct tone for each speaker; the LFE's is low, as the lossy codecs keep only the bass there.
double ToneOf(uint32_t speaker) {
    if (speaker == kLowFrequency) return 60.0;
    int index = 0;
    while ((1u << index) != speaker) ++index;
    return 400.0 + 110.0 * index;
}

std::vector<uint32_t> Speakers(uint32_t mask) {
    std::vector<uint32_t> speakers;
    for (; mask; mask &= mask - 1) speakers.push_back(mask & ~(mask - 1));
    return speakers;
}

// One second of frames in the road's order, each channel its speaker's tone at half scale,
// whole multiples of the width's step for integer widths (as the road hands them over).
std::vector<float> Frames(uint32_t mask, int bits) {
    const std::vector<uint32_t> speakers = Speakers(mask);
    std::vector<float> frames;
    for (int i = 0; i < kRate; ++i) {
        for (const uint32_t speaker : speakers) {
            float v = static_cast<float>(0.5 * std::sin(2 * M_PI * ToneOf(speaker) * i / kRate));
            if (bits != kFloatBits) v = std::round(v * float(1 << (bits - 1))) / float(1 << (bits - 1));
            frames.push_back(v);
        }
    }
    return frames;
}

std::string Probe(const std::string& path) {
    const auto r = testutil::Run({"ffprobe", "-v", "error", "-select_streams", "a:0", "-show_entries",
                                  "stream=channels,channel_layout,sample_fmt,bits_per_raw_sample,bits_per_sample",
                                  "-of", "csv=p=0", path});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return r.out.substr(0, r.out.find('\n'));
}

// The decoded samples as floats, in FFmpeg's channel order (ascending speaker bits).
std::vector<float> Decode(const std::string& path) {
    const auto r = testutil::Run({"ffmpeg", "-v", "error", "-i", path, "-f", "f32le", "-"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    std::vector<float> samples(r.out.size() / sizeof(float));
    std::memcpy(samples.data(), r.out.data(), samples.size() * sizeof(float));
    return samples;
}

// The level of a tone in one channel of interleaved samples (a single-bin transform).
double ToneLevel(const std::vector<float>& samples, int channels, int channel, double hz) {
    double re = 0, im = 0;
    const size_t frames = samples.size() / channels;
    for (size_t i = 0; i < frames; ++i) {
        const double phase = 2 * M_PI * hz * static_cast<double>(i) / kRate;
        re += samples[i * channels + channel] * std::cos(phase);
        im += samples[i * channels + channel] * std::sin(phase);
    }
    return 2 * std::hypot(re, im) / static_cast<double>(frames);
}

struct WideCase {
    const char* name;
    const OutputWriterFactory& writer;
    std::function<void(Settings&)> choose;
    FrameFormat stored;
    int plannedChannels;  // 2 or fewer: the plan keeps the block road and nothing is written
    const char* probed;   // ffprobe: channels,sample_fmt,channel_layout,bits_per_sample,bits_per_raw_sample
    bool exact;           // lossless: the samples come back unchanged; lossy: each speaker keeps its tone
};

TEST(WideWritersTest, KeepStoredChannelsAndWidth) {
    const auto same = [](Settings&) {};
    const WideCase cases[] = {
        {"wav 24-bit 5.1", kWavWriter, same, {6, k51, 24}, 6, "s32,6,5.1,24,24", true},
        {"wav float stereo", kWavWriter, same, {2, 0x3, kFloatBits}, 2, "flt,2,stereo,32,N/A", true},
        {"wav 8-bit 5.1", kWavWriter, same, {6, k51, 8}, 6, "s16,6,5.1,16,N/A", true},
        {"wav 8 bits asked of side 5.1",
         kWavWriter,
         [](Settings& s) {
             s.AutoDestWAVEncodingParam = 0;
             s.WAVSampleRate = 0;
             s.WAVChannelNum = 0;
             s.WAVBitsPerSample = 8;  // 8 bits hold at most two channels
         },
         {6, k51Side, 24},
         6,
         "s16,6,5.1(side),16,N/A",
         true},
        {"flac 24-bit 5.1", kFlacWriter, same, {6, k51, 24}, 6, "s32,6,5.1,0,24", true},
        {"flac side 5.1", kFlacWriter, same, {6, k51Side, 16}, 6, "s16,6,5.1(side),0,16", true},
        {"flac float stereo", kFlacWriter, same, {2, 0x3, kFloatBits}, 2, "s32,2,stereo,0,24", true},
        {"opus 5.1", kOpusWriter, same, {6, k51, 24}, 6, "fltp,6,5.1,0,N/A", false},
        {"opus side 5.1", kOpusWriter, same, {6, k51Side, 24}, 6, "fltp,6,5.1,0,N/A", false},
        {"opus stereo chosen", kOpusWriter, [](Settings& s) { s.OpusChannels = 2; }, {6, k51, 24}, 2, "", false},
        {"vorbis 7.1",
         kVorbisWriter,
         [](Settings& s) {
             s.AutoDestOGGEncodingParam = 0;
             s.OGGChannels = 0;
             s.OGGSampleRate = kRate;
         },
         {8, k71, kFloatBits},
         8,
         "fltp,8,7.1,0,N/A",
         false},
        {"aac 5.1", kAacWriter, same, {6, k51, 24}, 6, "fltp,6,5.1,0,N/A", false},
        {"aac 7.1 as stereo", kAacWriter, same, {8, k71, 24}, 2, "", false},
        {"m4a side 5.1", kM4aWriter, same, {6, k51Side, 16}, 6, "fltp,6,5.1,0,N/A", false},
    };
    testutil::TempDir dir;
    for (const WideCase& c : cases) {
        SCOPED_TRACE(c.name);
        Settings settings;
        c.choose(settings);
        NoTags tags;
        SourceFormat source{kInputWav, kRate, 2, kModeUnknown, 0, 16, 1, c.stored};
        OutputPlan plan = c.writer.plan({settings, source, tags, nullptr});
        ASSERT_TRUE(plan.writer) << plan.reason;
        EXPECT_EQ(plan.samples.channels, c.plannedChannels);
        if (!plan.samples.IsWide()) {
            EXPECT_EQ(plan.samples.bits, 16);
            continue;
        }
        const std::string path = dir.file(std::string(c.name) + ".out");
        const std::vector<float> frames = Frames(plan.samples.Speakers(), plan.samples.bits);
        ASSERT_TRUE(plan.writer->Start(path));
        const int channels = plan.samples.channels;
        for (int at = 0; at < kRate; at += 1152) {
            SampleBlock block;
            block.bits = plan.samples.bits;
            block.count = std::min(1152, kRate - at);
            block.frames = frames.data() + static_cast<size_t>(at) * channels;
            block.channels = channels;
            ASSERT_TRUE(plan.writer->Write(block));
        }
        ASSERT_TRUE(plan.writer->Finish(true)) << plan.writer->ErrorText();
        EXPECT_EQ(Probe(path), c.probed);
        const std::vector<float> decoded = Decode(path);
        if (c.exact) {
            EXPECT_EQ(decoded.size(), frames.size());
            EXPECT_TRUE(decoded == frames);
            continue;
        }
        const std::vector<uint32_t> speakers = Speakers(plan.samples.Speakers());
        for (int ch = 0; ch < channels; ++ch) {
            SCOPED_TRACE(ch);
            // The channel's own tone is there, its neighbours' are not.
            EXPECT_GT(ToneLevel(decoded, channels, ch, ToneOf(speakers[ch])), 0.3);
            const uint32_t other = speakers[(ch + 1) % channels];
            EXPECT_LT(ToneLevel(decoded, channels, ch, ToneOf(other)), 0.05);
        }
    }
}

}  // namespace
