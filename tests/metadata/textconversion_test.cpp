// The text conversions keep every well-formed UTF-8 character, planes beyond the Basic
// Multilingual Plane included, and replace malformed bytes.
#include "metadata/textconversion.h"

#include <gtest/gtest.h>

using tonewright::AnsiToUtf8;
using tonewright::Utf8ToAnsi;

namespace {

struct Conversion {
    const char* name;
    std::string input;
    std::string expected;
};

const std::string kReplacement = "\xEF\xBF\xBD";

class TextConversion : public ::testing::TestWithParam<Conversion> {};

}  // namespace

TEST_P(TextConversion, BothDirectionsGiveTheSameRepairedText) {
    std::string out;
    ASSERT_EQ(Utf8ToAnsi(GetParam().input, out), 0);
    EXPECT_EQ(out, GetParam().expected);
    ASSERT_EQ(AnsiToUtf8(GetParam().input, out), 0);
    EXPECT_EQ(out, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextConversion,
    ::testing::Values(
        Conversion{"Ascii", "Plain text 123", "Plain text 123"},
        Conversion{"TwoAndThreeBytes", "\xC3\x9Cn\xC3\xAF" "c\xC3\xB6" "d\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC",
                   "\xC3\x9Cn\xC3\xAF" "c\xC3\xB6" "d\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC"},
        Conversion{"BeyondTheBmp", "\xF0\x9F\x8E\xB5 \xF4\x8F\xBF\xBF", "\xF0\x9F\x8E\xB5 \xF4\x8F\xBF\xBF"},
        Conversion{"StrayContinuation", "a\x80" "b", "a" + kReplacement + "b"},
        Conversion{"CutShortAtTheEnd", "ab\xE6\x97", "ab" + kReplacement + kReplacement},
        Conversion{"Latin1Byte", "caf\xE9!", "caf" + kReplacement + "!"},
        Conversion{"Overlong", "\xC0\xAF", kReplacement + kReplacement},
        Conversion{"Surrogate", "\xED\xA0\x80", kReplacement + kReplacement + kReplacement},
        Conversion{"AboveUnicode", "\xF4\x90\x80\x80", kReplacement + kReplacement + kReplacement + kReplacement},
        Conversion{"EndsAtNul", std::string("ab\0cd", 5), "ab"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextConversionEmpty, OnlyTheAnsiDirectionRefusesAnEmptyText) {
    std::string out = "kept";
    EXPECT_EQ(AnsiToUtf8("", out), -1);
    EXPECT_EQ(out, "kept");
    EXPECT_EQ(Utf8ToAnsi("", out), 0);
    EXPECT_EQ(out, "");
}
