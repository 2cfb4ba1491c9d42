#include "reliability/hostiletally.h"

#include <cstdio>

namespace hostile {

Outcome Classify(const DriveResult& result, uint64_t seedFrames) {
    if (!result.opened) return Outcome::FailureRow;
    if (result.capped || result.frames > seedFrames) return Outcome::Longer;
    return result.frames < seedFrames ? Outcome::Shorter : Outcome::Full;
}

void Tally::Counts::Merge(const Counts& other) {
    empty += other.empty;
    cuts += other.cuts;
    fields += other.fields;
    flips += other.flips;
    failureRows += other.failureRows;
    shorter += other.shorter;
    full += other.full;
    longer += other.longer;
    seconds += other.seconds;
}

Tally::Counts& Tally::Find(const std::string& family) {
    for (Row& row : rows_)
        if (row.family == family) return row.counts;
    rows_.push_back({family, {}});
    return rows_.back().counts;
}

void Tally::Add(const std::string& family, Damage damage, Outcome outcome) {
    Counts& counts = Find(family);
    switch (damage) {
        case Damage::Empty: ++counts.empty; break;
        case Damage::Truncated: ++counts.cuts; break;
        case Damage::Header: ++counts.fields; break;
        case Damage::Flipped: ++counts.flips; break;
    }
    switch (outcome) {
        case Outcome::FailureRow: ++counts.failureRows; break;
        case Outcome::Shorter: ++counts.shorter; break;
        case Outcome::Full: ++counts.full; break;
        case Outcome::Longer: ++counts.longer; break;
    }
}

void Tally::AddSeconds(const std::string& family, double seconds) { Find(family).seconds += seconds; }

std::string Tally::Line(const std::string& family, const Counts& c) {
    char line[256];
    const int tried = c.empty + c.cuts + c.fields + c.flips;
    std::snprintf(line, sizeof line,
                  "| %-18s | %5d | %5d | %6d | %5d | %5d | %12d | %7d | %5d | %6d | %7d | %5d | %6.1f |\n",
                  family.c_str(), c.empty, c.cuts, c.fields, c.flips, tried, c.failureRows, c.shorter, c.full,
                  c.longer, 0, 0, c.seconds);
    return line;
}

std::string Tally::Table() const {
    std::string table =
        "| family             | empty |  cuts | fields | flips | tried | failure rows | shorter |  full | longer | "
        "crashes | hangs | time s |\n"
        "|--------------------|-------|-------|--------|-------|-------|--------------|---------|-------|--------|"
        "---------|-------|--------|\n";
    Counts total;
    for (const Row& row : rows_) {
        table += Line(row.family, row.counts);
        total.Merge(row.counts);
    }
    return table + Line("total", total);
}

}  // namespace hostile
