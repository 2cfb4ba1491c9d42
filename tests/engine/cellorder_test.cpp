#include <gtest/gtest.h>

#include "engine/cellorder.h"

using namespace tonewright;

namespace {

struct CellCase {
    CellOrder order;
    const char* a;
    const char* b;
    int expected;  // sign of the comparison
};

int SignOf(int value) { return (value > 0) - (value < 0); }

}  // namespace

TEST(CompareCells, FollowsTheColumnsRule) {
    const CellCase cases[] = {
        {CellOrder::Number, "64 kbps", "128 kbps", -1},  // numbers, not text
        {CellOrder::Number, "44100 Hz", "8000 Hz", 1},
        {CellOrder::Number, "", "8000 Hz", -1},           // an empty cell is 0
        {CellOrder::Number, "128 kbps", "128 kbps", 0},
        {CellOrder::Duration, "00:59", "01:00", -1},
        {CellOrder::Duration, "10:00", "09:59", 1},
        {CellOrder::Duration, "1:00:00", "59:59", 1},     // an hour outranks any minutes
        {CellOrder::Duration, "1:00:01", "1:00:00", 1},
        {CellOrder::Duration, "", "00:01", -1},           // no duration shown is 0 seconds
        {CellOrder::Duration, "", "", 0},
        {CellOrder::Duration, "99999999999999999999:00", "1:00", 1},  // capped, no overflow
        {CellOrder::Text, "a.wav", "b.wav", -1},
        {CellOrder::Text, "b.wav", "a.wav", 1},
        {CellOrder::Text, "Stereo", "Stereo", 0},
        {CellOrder::Text, "Mono", "mono", -1},            // letter case counts
    };
    for (const CellCase& c : cases)
        EXPECT_EQ(SignOf(CompareCells(c.order, c.a, c.b)), c.expected) << c.a << " vs " << c.b;
}
