#pragma once

#include <cstdint>
#include <string>

#include "base/channelmode.h"

namespace tonewright {

// The properties the file list shows, as a source opened for them reports them.
struct HeaderProperties {
    int durationSeconds = 0;
    int sampleRate = 0;
    int bitrateKbps = 0;
    int sourceChannels = 0;
    int channelMode = kModeUnknown;  // MP3 files only
};

// Reads the list properties of a plain file from its headers alone, for the families where
// the headers give exactly what opening the file with its decoder gives: a PCM WAV file,
// an MP3 file that starts with an Info frame, and a FLAC file that states its length. False for any other file, or when
// anything in the headers is unusual; the caller then opens the file with its decoder.
bool ReadHeaderProperties(const std::string& path, int inputType, HeaderProperties& properties);

// The average bit rate, in kbps, of `bytes` bytes of stored audio playing `seconds` seconds.
int AverageKbps(uint64_t bytes, double seconds);

}  // namespace tonewright
