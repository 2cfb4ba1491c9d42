#pragma once

#include <array>
#include <cstddef>

namespace tonewright {

// Sample rates (Hz) the MP3 and Ogg Vorbis outputs snap to.
constexpr std::array<int, 9> kSampleRateTable = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
// Rounds `value` to the ascending table: an entry stays, anything between two entries goes
// to the nearer one (the lower on a tie), anything below the first or above the last entry
// to that entry.
int SnapToTable(int value, const int* table, size_t count);
template <size_t N>
int SnapToTable(int value, const std::array<int, N>& table) {
    return SnapToTable(value, table.data(), N);
}

// The output rate and bit rate chosen for a source of `sampleRate` Hz; one channel counts as
// mono, any other count as stereo.
struct AutoEncoding {
    int sampleRate = 0;
    int bitrateKbps = 0;
};
AutoEncoding AutoEncodingTable(int sampleRate, int channels);

// True for sources whose bit rate is worth keeping in a lossy target (MP3, Ogg Vorbis);
// other sources' bit rates (PCM, lossless) say nothing about what a lossy target needs.
bool HasLossyBitrate(int inputType);

}  // namespace tonewright
