#pragma once

#include <cstdint>
#include <vector>

namespace tonewright {

// The most channels the sample road carries.
constexpr int kMaxRoadChannels = 8;

// Speaker positions as the bits of a WAV file's channel mask (WAVE_FORMAT_EXTENSIBLE);
// FFmpeg's channel bits are the same for these. Channels on the road are ordered by
// ascending bit, as in a WAV file.
enum SpeakerBit : uint32_t {
    kFrontLeft = 0x1,
    kFrontRight = 0x2,
    kFrontCenter = 0x4,
    kLowFrequency = 0x8,
    kBackLeft = 0x10,
    kBackRight = 0x20,
    kFrontLeftOfCenter = 0x40,
    kFrontRightOfCenter = 0x80,
    kBackCenter = 0x100,
    kSideLeft = 0x200,
    kSideRight = 0x400,
    kTopCenter = 0x800,
    kTopFrontLeft = 0x1000,
    kTopFrontCenter = 0x2000,
    kTopFrontRight = 0x4000,
    kTopBackLeft = 0x8000,
    kTopBackCenter = 0x10000,
    kTopBackRight = 0x20000,
};

// Every speaker bit the road knows.
constexpr uint32_t kKnownSpeakers = kTopBackRight * 2 - 1;

// The usual layout of a channel count, as WAV files and FFmpeg assume it when a file
// names none: 1 front centre, 2 stereo, 3 FL FR FC, 4 quad (FL FR BL BR), 5 FL FR FC BL BR,
// 6 5.1 (FL FR FC LFE BL BR), 7 FL FR FC LFE BC SL SR, 8 7.1 (FL FR FC LFE BL BR SL SR);
// 0 for any other count.
uint32_t DefaultChannelMask(int channels);

// Vorbis order (Ogg Vorbis, and Opus with channel mapping family 1) for 1..8 channels, the
// speakers in the order the stream carries them: 3 FL FC FR, 4 FL FR BL BR, 5 FL FC FR BL BR,
// 6 FL FC FR BL BR LFE, 7 FL FC FR SL SR BC LFE, 8 FL FC FR SL SR BL BR LFE; empty otherwise.
std::vector<uint32_t> VorbisSpeakerOrder(int channels);

// The number of speakers a mask names.
int SpeakerCount(uint32_t mask);

// The mask itself when it names exactly `channels` speakers, else the usual one.
uint32_t UsableChannelMask(uint32_t mask, int channels);

// The sample width of 32-bit floating point on the road (integer widths are 8, 16, 24).
constexpr int kFloatBits = 32;

// The form of the samples a source holds as the road carries them: 1..8 channels ordered
// by the mask's ascending bits, 8, 16 or 24 bits of integer or kFloatBits for floating point.
// Sources store wider integers (32 bits) as 24.
struct FrameFormat {
    int channels = 0;
    uint32_t mask = 0;
    int bits = 16;

    // More than the two channels of 8 or 16 bits the block road carries.
    bool IsWide() const { return channels > 2 || bits > 16; }
};

}  // namespace tonewright
