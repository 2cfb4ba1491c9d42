#pragma once

#include <string>
#include <vector>

namespace tonewright {
class AudioSource;
}

// Independent decodes that the AIFF and AU reader tests compare with.
namespace aifftest {

enum class Reference {
    Ffmpeg,  // the ffmpeg program
    Sox,     // the sox program: its own AU reader (G.72x is the published reference code), or
             // libsndfile for AIFF-C kinds ffmpeg does not decode (DWVW)
};

// Decodes `path` to interleaved samples of every channel: unsigned bytes when eightBit,
// else the top 16 bits of each sample (sox gives 32 bits; its own reduction would dither).
std::vector<int> ReferenceDecode(const std::string& path, bool eightBit, Reference reference);

// Opens `path` with `source`, drains it, and returns the largest difference between what it
// delivers and channels `left` and `right` (only `left` for a mono delivery) of the reference
// decode. Fails the test and returns -1 when the lengths differ or nothing was decoded.
int WorstDifference(tonewright::AudioSource& source, const std::string& path, Reference reference, size_t left = 0,
                    size_t right = 1);

}  // namespace aifftest
