#include "engine/cellorder.h"

#include <cstring>

namespace tonewright {

namespace {

// Cell numbers are short; anything longer is capped rather than allowed to overflow.
constexpr long long kNumberCap = 1LL << 40;

// The decimal number at `pos`, moving `pos` past its digits; 0 when there are none.
long long ReadNumber(const std::string& text, size_t& pos) {
    long long value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos)
        if (value < kNumberCap) value = value * 10 + (text[pos] - '0');
    return value;
}

long long LeadingNumber(const std::string& text) {
    size_t pos = 0;
    return ReadNumber(text, pos);
}

// "01:05" is 65 seconds, "1:00:00" 3600: every ":"-separated field is worth 60 of the next.
long long DurationSeconds(const std::string& text) {
    long long seconds = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        seconds = seconds * 60 + ReadNumber(text, pos);
        if (pos >= text.size() || text[pos] != ':') break;
        ++pos;
        if (seconds > kNumberCap) break;
    }
    return seconds;
}

int Sign(long long difference) { return (difference > 0) - (difference < 0); }

}  // namespace

int CompareCells(CellOrder order, const std::string& a, const std::string& b) {
    switch (order) {
        case CellOrder::Number:
            return Sign(LeadingNumber(a) - LeadingNumber(b));
        case CellOrder::Duration:
            return Sign(DurationSeconds(a) - DurationSeconds(b));
        case CellOrder::Text:
            break;
    }
    return std::strcoll(a.c_str(), b.c_str());
}

}  // namespace tonewright
