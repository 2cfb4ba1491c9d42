#pragma once

#include <string>
#include <vector>

#include "reliability/hostileseeds.h"

namespace hostile {

// The kinds of damage, as the summary table counts them.
enum class Damage { Empty, Truncated, Flipped, Header };

struct HostileFile {
    Damage damage;
    std::string label;  // what was done, for failure messages
    std::string path;
};

// How much of each damage a family gets.
struct CorpusSize {
    int headerCutStep;  // truncations at every this many bytes of the first 256
    int spreadCuts;     // further truncations spread evenly through the file
    int flips;          // files with seeded random bytes changed
    int headerFiles;    // files with an absurd header field, spread over the fields; -1: every field and value
};

// The default corpus, and the bigger one run when TONEWRIGHT_LONG_TESTS=1.
CorpusSize ChosenCorpusSize();
bool LongTestsWanted();

// Writes the damaged variants of a family's seed into `folder` (names start with the
// family's slug and end with its extension) and lists them. The random flips are seeded
// by `seedNumber`, so a run can be repeated exactly.
std::vector<HostileFile> WriteMutations(const Family& family, const Bytes& seed, const std::string& folder,
                                        const CorpusSize& size, unsigned seedNumber);

// Sets the checksum of every whole Ogg page in `bytes`, so that damage inside a page
// reaches the decoder instead of being dropped by the page check.
void RecomputeOggChecksums(Bytes& bytes);

}  // namespace hostile
