// Sources of more than two channels or 16 bits end to end: lossless targets keep every
// channel, the layout and the exact samples; stereo and mono targets get every channel
// (the low-frequency one aside) mixed in at the level the downmix gives it. Checked with
// the ffmpeg and ffprobe programs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "cli/clitest.h"
#include "cli/streamprobe.h"

using namespace testutil;

namespace {

// One tone per channel, in the file's channel order; the fourth is the low-frequency
// channel of a 5.1 file and the right channel of a six-channel AIFF file.
constexpr double kTones[6] = {250, 400, 630, 800, 1000, 1600};

// The six-channel sources, made once by the ffmpeg program at full scale.
struct Sources {
    TempDir dir;
    std::string flac51, wav51, floatWav51, aiff6;
    Sources() {
        std::string tones;
        for (double f : kTones) tones += (tones.empty() ? "" : "|") + ("sin(2*PI*" + std::to_string(f) + "*t)");
        auto make = [&](const std::string& name, const std::string& layout, int rate, const std::string& codec) {
            const std::string path = dir.file(name);
            Shell("ffmpeg -v error -y -f lavfi -i 'aevalsrc=" + tones + ":s=" + std::to_string(rate) + ":c=" + layout +
                  ":d=1' " + codec + " " + Quote(path));
            return path;
        };
        flac51 = make("surround.flac", "5.1", 96000, "-c:a flac -sample_fmt s32 -bits_per_raw_sample 24");
        wav51 = make("surround.wav", "5.1", 96000, "-c:a pcm_s24le");
        floatWav51 = make("float.wav", "5.1", 48000, "-c:a pcm_f32le");
        aiff6 = make("surround.aiff", "6c", 48000, "-c:a pcm_s24be");
    }
};

const Sources& TestSources() {
    static const Sources sources;
    return sources;
}

// Interleaved floats as the ffmpeg program decodes a file, its channels kept.
struct Decoded {
    int channels = 0;
    int rate = 0;
    std::vector<float> samples;
};

Decoded DecodeFloats(const std::string& path) {
    Decoded d;
    const auto probe = ProbeFile(path);
    d.channels = std::stoi(probe.at("channels"));
    d.rate = std::stoi(probe.at("sample_rate"));
    TempDir scratch;
    const std::string raw = scratch.file("decoded.raw");
    const auto r = Run({"ffmpeg", "-v", "error", "-y", "-i", path, "-map", "0:a:0", "-f", "f32le", "-c:a", "pcm_f32le", raw});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const auto bytes = ReadBytes(raw);
    d.samples.resize(bytes.size() / 4);
    std::memcpy(d.samples.data(), bytes.data(), d.samples.size() * 4);
    return d;
}

// The raw stored samples the ffmpeg program decodes (s32le for integers, f32le for float).
std::vector<uint8_t> DecodeExactly(const std::string& path, const char* form) {
    TempDir scratch;
    const std::string raw = scratch.file("decoded.raw");
    const auto r = Run({"ffmpeg", "-v", "error", "-y", "-i", path, "-map", "0:a:0", "-f", form, raw});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return ReadBytes(raw);
}

// The amplitude of the tone of `frequency` in one channel, over half a second from 0.25 s
// (past any encoder delay), by the Goertzel filter; each tone has whole cycles there.
double ToneAmplitude(const Decoded& d, int channel, double frequency) {
    const size_t start = static_cast<size_t>(d.rate / 4), length = static_cast<size_t>(d.rate / 2);
    const double w = 2 * M_PI * frequency / d.rate;
    double s1 = 0, s2 = 0;
    for (size_t i = 0; i < length; ++i) {
        const double s = d.samples[(start + i) * d.channels + channel] + 2 * std::cos(w) * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    const double power = s1 * s1 + s2 * s2 - 2 * std::cos(w) * s1 * s2;
    return 2 * std::sqrt(power) / length;
}

double Decibels(double amplitude) { return 20 * std::log10(std::max(amplitude, 1e-9)); }

class CliSurroundTest : public ::testing::Test, protected CliFixture {};

}  // namespace

// "Same as source" keeps all six channels, their layout and every sample: 24-bit FLAC and
// WAV sources into FLAC and WAV, and a float WAV into a float WAV.
TEST_F(CliSurroundTest, LosslessTargetsKeepEveryChannelExactly) {
    const Sources& s = TestSources();
    struct Case {
        std::string source, format, rawForm, sampleFormat;
    };
    const Case cases[] = {{s.flac51, "flac", "s32le", "s32"},
                          {s.flac51, "wav", "s32le", "s32"},
                          {s.wav51, "flac", "s32le", "s32"},
                          {s.wav51, "wav", "s32le", "s32"},
                          {s.floatWav51, "wav", "f32le", "flt"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source + " -> " + c.format);
        const std::string target = Convert(c.format, c.source);
        const auto probe = ProbeFile(target);
        EXPECT_EQ(probe.at("channels"), "6");
        EXPECT_EQ(probe.at("channel_layout"), "5.1");
        EXPECT_EQ(probe.at("sample_fmt"), c.sampleFormat);
        EXPECT_EQ(probe.at("sample_rate"), ProbeFile(c.source).at("sample_rate"));
        EXPECT_TRUE(DecodeExactly(target, c.rawForm.c_str()) == DecodeExactly(c.source, c.rawForm.c_str()));
    }
}

// Lossy targets with their own multichannel layouts keep six channels when asked to.
TEST_F(CliSurroundTest, SurroundTargetsKeepSixChannels) {
    const Sources& s = TestSources();
    for (const char* format : {"opus", "m4a", "ogg"}) {
        SCOPED_TRACE(format);
        const std::string target = Convert(format, s.flac51, {"OGGChannels=0", "AutoDestOGGEncodingParam=0"});
        const auto probe = ProbeFile(target);
        EXPECT_EQ(probe.at("channels"), "6");
        EXPECT_EQ(probe.at("channel_layout"), "5.1");
        // Every channel holds its own tone.
        const Decoded d = DecodeFloats(target);
        const int lowFrequency = 3;
        for (int c = 0; c < 6; ++c) {
            if (c == lowFrequency) continue;
            EXPECT_NEAR(Decibels(ToneAmplitude(d, c, kTones[c])), 0.0, 1.0) << "channel " << c;
        }
    }
}

// Every family of source is mixed the same way into every stereo and mono target: each tone
// at the level its speaker's weight gives it (the front pair whole, the centre and the
// surrounds at -3 dB, the low-frequency channel left out, all scaled by 1 / (1 + 2 * 0.7071)
// so that full scale cannot clip), within 1 dB. AMR's speech codec itself moves the levels
// of so many tones by up to 4 dB, so its rows are held against the AMR file of the exact
// mono mix, made from the mono WAV row.
TEST_F(CliSurroundTest, StereoAndMonoTargetsMixEveryChannelIn) {
    const Sources& s = TestSources();
    const double g = std::sqrt(0.5), scale = 1 + 2 * g;
    // Weights (left, right) of each channel of the source, in its own order.
    using Weights = std::vector<std::pair<double, double>>;
    const Weights surround = {{1, 0}, {0, 1}, {g, g}, {0, 0}, {g, 0}, {0, g}};
    // AIFF's six channels: left, left centre, centre, right, right centre, surround; the
    // centres count as their side's front speaker, the surround as a back centre.
    const Weights aiff = {{1, 0}, {1, 0}, {g, g}, {0, 1}, {0, 1}, {g, g}};
    struct Case {
        std::string source;
        const Weights* weights;
        double scale;
        std::string format;
        std::vector<std::string> settings;
    };
    const double aiffScale = 2 + 2 * g;
    const std::vector<std::string> stereoWav = {"AutoDestWAVEncodingParam=0", "WAVChannelNum=2", "WAVBitsPerSample=16"};
    const std::vector<std::string> monoWav = {"AutoDestWAVEncodingParam=0", "WAVChannelNum=1", "WAVBitsPerSample=16",
                                              "WAVSampleRate=8000"};
    const std::vector<Case> cases = {
        {s.flac51, &surround, scale, "mp3", {}},
        {s.flac51, &surround, scale, "ogg", {}},
        {s.flac51, &surround, scale, "aac", {"AACChannels=2"}},
        {s.flac51, &surround, scale, "wma", {}},
        {s.flac51, &surround, scale, "wav", stereoWav},
        {s.flac51, &surround, scale, "amr", {}},
        {s.wav51, &surround, scale, "mp3", {}},
        {s.wav51, &surround, scale, "amr", {}},
        {s.aiff6, &aiff, aiffScale, "mp3", {}},
        {s.aiff6, &aiff, aiffScale, "amr", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source + " -> " + c.format);
        // The expected level of each channel's tone on each side of the target.
        std::vector<std::vector<double>> expected(2, std::vector<double>(6));
        for (int channel = 0; channel < 6; ++channel) {
            const auto [left, right] = (*c.weights)[channel];
            expected[0][channel] = left / c.scale;
            expected[1][channel] = right / c.scale;
        }
        if (c.format == "amr") {
            const Decoded mono = DecodeFloats(Convert("wav", c.source, monoWav));
            const Decoded coded = DecodeFloats(Convert("amr", Convert("wav", c.source, monoWav)));
            for (int channel = 0; channel < 6; ++channel) {
                const double mix = (expected[0][channel] + expected[1][channel]) / 2;
                if (mix == 0) continue;
                EXPECT_NEAR(Decibels(ToneAmplitude(mono, 0, kTones[channel])), Decibels(mix), 1.0);
                expected[0][channel] = ToneAmplitude(coded, 0, kTones[channel]);
            }
        }
        const Decoded d = DecodeFloats(Convert(c.format, c.source, c.settings));
        ASSERT_GE(d.channels, 1);
        for (int channel = 0; channel < 6; ++channel) {
            for (int side = 0; side < d.channels; ++side) {
                const double want = d.channels == 1 && c.format != "amr"
                                        ? (expected[0][channel] + expected[1][channel]) / 2
                                        : expected[side][channel];
                const double got = ToneAmplitude(d, side, kTones[channel]);
                SCOPED_TRACE("tone " + std::to_string(kTones[channel]) + " side " + std::to_string(side));
                if (want == 0) {
                    EXPECT_LT(Decibels(got), -35.0);  // codec noise only, 18 dB under the quietest tone
                } else {
                    EXPECT_NEAR(Decibels(got), Decibels(want), 1.0);
                }
            }
        }
        float peak = 0;
        for (float v : d.samples) peak = std::max(peak, std::fabs(v));
        if (c.format == "wav") {
            EXPECT_LT(peak, 32767.0f / 32768.0f);
        }
    }
}
