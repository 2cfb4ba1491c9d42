#pragma once

#include <vector>

namespace tonewright {

// One WMA codec format the encoder offers.
struct WmaFormat {
    int sampleRate = 0;
    int channels = 0;
    int bitRate = 0;  // bits per second
};

// The codec formats, ordered by sample rate and then bit rate, both ascending; no two share
// rate, bit rate and channel count.
struct WmaFormatList {
    std::vector<WmaFormat> entries;
};

// Adds a format at its place: before the first entry with a higher rate, or with the same
// rate and a higher bit rate; before an entry with the same rate and bit rate but another
// channel count; dropped when an entry has the same rate, bit rate and channels.
void InsertWmaFormat(WmaFormatList& list, const WmaFormat& format);

// Rebuilds the list from the formats FFmpeg's WMA (version 2) encoder accepts: 8000 to
// 48000 Hz, mono and stereo, the usual WMA bit rates the encoder opens with, up to 4 bits
// per sample and channel (more buys nothing with this codec). 1 on success, 0 when the
// encoder is missing.
int FillWmaFormatList(WmaFormatList& list);

// Picks the format nearest to the wanted one among the entries with the wanted channel
// count: the exact rate when it exists (with the nearest bit rate there, a tie going to
// the higher), else the lowest bit rate of the next higher rate, else the highest format
// below. 1 with `found` set, 0 when no entry has the wanted channel count.
int FindWmaFormat(const WmaFormatList& list, int sampleRate, int bitRate, int channels, WmaFormat& found);

}  // namespace tonewright
