// Truncated and scrambled files of every family that FFmpeg, vorbisfile and TagLib read:
// opening fails or reading ends early; nothing crashes, overruns or spins.
#include <gtest/gtest.h>

#include "metadata/mp4tags.h"
#include "sources/ffmpeg/ffmpegprobesource.h"
#include "sources/ffmpeg/ffmpegsource.h"
#include "sources/ffmpeg/mediafixtures.h"
#include "sources/vorbis/vorbissource.h"

using namespace testutil;
using namespace tonewright;

namespace {

struct Damage {
    const char* name;
    double from, to;  // the damaged part, as fractions of the file
    bool truncate;    // cut the file at `from` instead of scrambling up to `to`
};

const Damage kDamages[] = {
    {"cut in the middle", 0.5, 1.0, true},
    {"cut after the headers", 0.02, 1.0, true},
    {"scrambled middle", 0.3, 0.7, false},
    {"scrambled start", 0.0, 0.25, false},
};

std::vector<uint8_t> Damaged(std::vector<uint8_t> bytes, const Damage& damage) {
    const size_t from = static_cast<size_t>(bytes.size() * damage.from);
    const size_t to = static_cast<size_t>(bytes.size() * damage.to);
    if (damage.truncate) {
        bytes.resize(from);
        return bytes;
    }
    uint32_t state = 12345;
    for (size_t i = from; i < to; ++i) {
        state = state * 1103515245u + 12345u;
        bytes[i] = static_cast<uint8_t>(state >> 16);
    }
    return bytes;
}

// Reads a source to its end; the count of samples stays within a bound so a source that
// never ends fails the test instead of hanging it.
int64_t ReadToEnd(AudioSource& source) {
    std::vector<int16_t> left(kBlockSamples), right(kBlockSamples);
    int64_t total = 0;
    for (int blocks = 0; blocks < 20000; ++blocks) {
        const int count = source.ReadBlock(left.data(), source.GetChannels() == 2 ? right.data() : nullptr);
        if (count <= 0) return total;
        EXPECT_LE(count, kBlockSamples);
        total += count;
    }
    ADD_FAILURE() << "the source did not end";
    return total;
}

class DamagedMedia : public ::testing::TestWithParam<MediaKind> {
protected:
    TempDir dir;
};

}  // namespace

TEST_P(DamagedMedia, FailsCleanlyOrEndsEarly) {
    const std::vector<uint8_t> intact = ReadBytes(MakeMedia(dir, GetParam()));
    // The tone lasts one second; no decoder may make much more of a damaged copy.
    const int64_t bound = 2 * 48000;
    for (const Damage& damage : kDamages) {
        SCOPED_TRACE(damage.name);
        const std::string path = dir.file(std::string("damaged") + GetParam().extension);
        WriteBytes(path, Damaged(intact, damage));

        FfmpegProbeSource probe;
        probe.Open(path, 0);
        FfmpegSource decoding;
        if (decoding.Open(path, 0)) {
            TagInfo tags;
            decoding.GetTags(tags);
            EXPECT_LE(ReadToEnd(decoding), bound);
        }
        VorbisSource vorbis;
        if (vorbis.Open(path, 0)) {
            EXPECT_LE(ReadToEnd(vorbis), bound);
        }
        TagInfo tags;
        ReadMp4Tags(path, tags);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, DamagedMedia, ::testing::ValuesIn(MediaKinds()),
                         [](const auto& info) { return MediaKindName(info.param); });
