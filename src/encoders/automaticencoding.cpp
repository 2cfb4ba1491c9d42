#include "encoders/automaticencoding.h"

#include <algorithm>

#include "base/inputtype.h"

namespace tonewright {

namespace {

struct AutoRow {
    int upToRate;
    int outputRate;
    int monoKbps;
    int stereoKbps;
};

constexpr AutoRow kAutoRows[] = {
    {11025, 11025, 24, 48}, {12000, 12000, 24, 48}, {16000, 16000, 32, 56}, {22050, 22050, 48, 64},
    {24000, 24000, 48, 64}, {32000, 32000, 64, 96}, {44100, 44100, 96, 128},
};
constexpr AutoRow kAutoAbove = {0, 48000, 128, 192};

}  // namespace

int SnapToTable(int value, const int* table, size_t count) {
    const int* end = table + count;
    const int* above = std::find_if(table, end, [value](int entry) { return entry >= value; });
    if (above == end) return table[count - 1];
    if (*above == value || above == table) return *above;
    const int below = above[-1];
    return value - below <= *above - value ? below : *above;
}

AutoEncoding AutoEncodingTable(int sampleRate, int channels) {
    const AutoRow* row = &kAutoAbove;
    for (const AutoRow& candidate : kAutoRows) {
        if (sampleRate <= candidate.upToRate) {
            row = &candidate;
            break;
        }
    }
    return {row->outputRate, channels == 1 ? row->monoKbps : row->stereoKbps};
}

bool HasLossyBitrate(int inputType) { return inputType == kInputMp3 || inputType == kInputOgg; }

}  // namespace tonewright
