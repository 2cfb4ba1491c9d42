// The hostile-input corpus: for every input family a valid seed and damaged variants of it
// (cut short, bytes changed, header fields set to absurd values, emptied), each opened
// through the real decoder chain and read to its end, and by Tonewright's own reader of the
// family where it has one. Every one must fail with a failure text or give a bounded output:
// no crash, no overrun (the sanitizer build), no hang (a watchdog per file). The summary
// table goes to standard output. TONEWRIGHT_LONG_TESTS=1 runs a corpus about fifteen times
// bigger (every cut in the first 256 bytes, 300 changed files a family).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "reliability/hostiledrive.h"
#include "reliability/hostilemutations.h"
#include "reliability/hostileseeds.h"
#include "reliability/hostiletally.h"
#include "support/testutil.h"

using namespace hostile;

namespace {

// Far above what one small file needs even under the sanitizers.
constexpr std::chrono::seconds kSecondsPerFile{10};

Tally& SuiteTally() {
    static Tally tally;
    return tally;
}

class HostileCorpus : public ::testing::TestWithParam<size_t> {
protected:
    static void TearDownTestSuite() { std::printf("\nHostile-input corpus\n%s", SuiteTally().Table().c_str()); }
};

}  // namespace

TEST_P(HostileCorpus, EveryDamagedFileFailsOrEndsWithinBounds) {
    const Family& family = Families()[GetParam()];
    const auto start = std::chrono::steady_clock::now();
    testutil::TempDir dir;
    const CdDevices devices(dir.path());
    const std::string seedPath = dir.file(family.slug + ".seed" + family.extension);
    family.makeSeed(seedPath);
    const DriveResult seed = DriveThroughOpenSource(seedPath, family.name + " seed");
    ASSERT_TRUE(seed.opened) << family.name << ": " << seed.failureReason;
    ASSERT_GT(seed.frames, 0u) << family.name;
    ASSERT_FALSE(seed.capped) << family.name;

    const auto files = WriteMutations(family, testutil::ReadBytes(seedPath), dir.path(), ChosenCorpusSize(),
                                      static_cast<unsigned>(GetParam()) + 1);
    Watchdog watchdog(kSecondsPerFile);
    for (const HostileFile& file : files) {
        const std::string label = family.name + ", " + file.label + " (" + file.path + ")";
        watchdog.Watch(label);
        const DriveResult result = DriveThroughOpenSource(file.path, label);
        if (!result.opened) {
            EXPECT_FALSE(result.failureReason.empty()) << label;
        }
        DriveOwnReader(family.ownReader, file.path, label);
        watchdog.Done();
        SuiteTally().Add(family.name, file.damage, Classify(result, seed.frames));
    }
    SuiteTally().AddSeconds(family.name,
                            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, HostileCorpus, ::testing::Range<size_t>(0, Families().size()),
                         [](const ::testing::TestParamInfo<size_t>& info) { return Families()[info.param].slug; });
