#pragma once

#include <cstdint>
#include <functional>

#include "engine/encodeloop.h"

namespace tonewright {

// Takes one block of unsigned 8-bit samples (silence at 128) per channel.
using Sink8 = std::function<int(const uint8_t* left, const uint8_t* right, int count)>;

// The sample road of the encoders that convert by themselves: reads the source to its end
// and hands each block on at the source's rate and width, amplified by `gain` (0 = off), to
// `write16` or `write8` by the source's bits. With `channels` 1 a stereo source gives only
// its left channel, or its right one when `monoType` is 2. 1 when everything was read and
// taken; 0 on cancel or a failed write.
int EncodeNativeSamples(AudioSource& source, int channels, int monoType, float gain, const ConversionJob& job,
                        const Sink16& write16, const Sink8& write8);

// The same for a writer with WriteSamples16 and WriteSamples8 of that shape.
template <typename Writer>
int EncodeNativeSamplesTo(Writer& writer, AudioSource& source, int channels, int monoType, float gain,
                          const ConversionJob& job) {
    auto write16 = [&](const int16_t* l, const int16_t* r, int n) { return writer.WriteSamples16(l, r, n); };
    auto write8 = [&](const uint8_t* l, const uint8_t* r, int n) { return writer.WriteSamples8(l, r, n); };
    return EncodeNativeSamples(source, channels, monoType, gain, job, write16, write8);
}

}  // namespace tonewright
