#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "engine/conversionstage.h"
#include "sources/audiosource.h"

namespace tonewright {

struct ConversionJob;

// Opens the job's source for conversion. Rendered sources (MIDI, tracker modules) play at
// `rate`, or at 44100 Hz when the format's "Auto" is set or the rate is below 1. Null (with
// the factory's reason left in the job) when no decoder opens the file.
std::unique_ptr<AudioSource> OpenJobSource(const ConversionJob& job, int automatic, int rate);

// Takes one block of 16-bit samples per channel (right null for one channel); 1 to go on,
// 0 when writing failed.
using Sink16 = std::function<int(const int16_t* left, const int16_t* right, int count)>;

// Takes one block in the target's width (signed 16-bit or unsigned 8-bit per channel; right
// null for one channel); 1 to go on, 0 when writing failed.
using SinkPcm = std::function<int(uint8_t* left, uint8_t* right, int count)>;

// The sample road of the encoders that take PCM: reads the source to its end, takes each
// block to `target` (rate, channels, width; a stereo source gives one channel for a mono
// target when `monoType` is 1 or 2), amplifies it by `gain` (0 = off) and hands it to
// `sink`, the samples the rate converter still holds at the end included. 1 when everything
// was read and taken; 0 on cancel or a failed write, and with `reason` set when the formats
// cannot be converted.
int EncodeSamples(AudioSource& source, const PcmFormat& target, int monoType, float gain, const ConversionJob& job,
                  const SinkPcm& sink, std::string& reason);

// EncodeSamples for the encoders that take 16-bit PCM only (`target.bits` is 16).
int EncodeSamples16(AudioSource& source, const PcmFormat& target, int monoType, float gain, const ConversionJob& job,
                    const Sink16& sink, std::string& reason);

// Clean-up of a failed conversion: keeps the first reason for the row and removes the
// partial target, unless it is the source file itself.
void DiscardFailedTarget(const ConversionJob& job, const std::string& reason);

}  // namespace tonewright
