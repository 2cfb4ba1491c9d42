#include "sources/aiffreference.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "sources/audiosource.h"
#include "sources/wavtestutil.h"
#include "support/testutil.h"

namespace aifftest {

using testutil::Quote;

std::vector<int> ReferenceDecode(const std::string& path, bool eightBit, Reference reference) {
    testutil::TempDir scratch;
    const std::string raw = scratch.file("reference.raw");
    const std::string format = eightBit ? "u8" : "s16le";
    // sox reads AU itself; AIFF-C goes through libsndfile.
    const std::string soxType = path.size() > 3 && path.compare(path.size() - 3, 3, ".au") == 0 ? "" : "-t sndfile ";
    testutil::Shell(reference == Reference::Sox
                        ? "sox -D " + soxType + Quote(path) + " -t s32 -L " + Quote(raw)
                        : "ffmpeg -v error -i " + Quote(path) + " -f " + format + " -c:a pcm_" + format + " " +
                              Quote(raw));
    const std::vector<uint8_t> bytes = testutil::ReadBytes(raw);
    if (eightBit) return std::vector<int>(bytes.begin(), bytes.end());
    const size_t sampleBytes = reference == Reference::Sox ? 4 : 2;
    std::vector<int> samples;
    for (size_t i = 0; i + sampleBytes <= bytes.size(); i += sampleBytes)
        samples.push_back(int16_t(bytes[i + sampleBytes - 2] | bytes[i + sampleBytes - 1] << 8));
    return samples;
}

int WorstDifference(tonewright::AudioSource& source, const std::string& path, Reference reference, size_t left,
                    size_t right) {
    EXPECT_EQ(source.Open(path, 0), 1);
    const wavtest::Drained decoded = wavtest::Drain(source);
    EXPECT_TRUE(decoded.ended);
    const size_t stored = static_cast<size_t>(source.GetSourceChannels());
    const std::vector<int> all = ReferenceDecode(path, source.GetBitsPerSample() == 8, reference);
    std::vector<int> expected;
    for (size_t f = 0; stored > 0 && f < all.size() / stored; ++f) {
        expected.push_back(all[f * stored + left]);
        if (source.GetChannels() == 2) expected.push_back(all[f * stored + right]);
    }
    if (decoded.samples.size() != expected.size() || expected.empty()) {
        ADD_FAILURE() << decoded.samples.size() << " samples decoded, " << expected.size() << " expected";
        return -1;
    }
    int worst = 0;
    for (size_t i = 0; i < expected.size(); ++i) worst = std::max(worst, std::abs(decoded.samples[i] - expected[i]));
    return worst;
}

}  // namespace aifftest
