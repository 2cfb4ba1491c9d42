#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "reliability/hostiledrive.h"
#include "reliability/hostilemutations.h"

namespace hostile {

// What became of one damaged file, measured against its family's seed.
enum class Outcome { FailureRow, Shorter, Full, Longer };

Outcome Classify(const DriveResult& result, uint64_t seedFrames);

// Counts per family of the damaged files tried and their outcomes, printed as the summary
// table of the corpus run. A crash or a hang ends the run before the table is printed, so
// a printed table stands for none of either.
class Tally {
public:
    void Add(const std::string& family, Damage damage, Outcome outcome);
    void AddSeconds(const std::string& family, double seconds);
    std::string Table() const;

private:
    struct Counts {
        int empty = 0, cuts = 0, fields = 0, flips = 0;
        int failureRows = 0, shorter = 0, full = 0, longer = 0;
        double seconds = 0;
        void Merge(const Counts& other);
    };
    struct Row {
        std::string family;
        Counts counts;
    };
    Counts& Find(const std::string& family);
    static std::string Line(const std::string& family, const Counts& counts);

    std::vector<Row> rows_;  // in the order the families ran
};

}  // namespace hostile
