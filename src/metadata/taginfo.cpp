#include "metadata/taginfo.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace tonewright {

const std::string& KeptField(const TagInfo& tags, const std::string& name) {
    static const std::string kNone;
    const auto found = tags.kept.find(name);
    return found == tags.kept.end() ? kNone : found->second;
}

int TrackNumber(const std::string& trackText) {
    size_t at = 0;
    while (at < trackText.size() && std::isspace(static_cast<unsigned char>(trackText[at]))) ++at;
    int number = 0;
    for (; at < trackText.size() && std::isdigit(static_cast<unsigned char>(trackText[at])); ++at) {
        const int digit = trackText[at] - '0';
        if (number > (INT_MAX - digit) / 10) return INT_MAX;
        number = number * 10 + digit;
    }
    return number;
}

int YearNumber(const std::string& yearText) {
    static const char kDigits[] = "0123456789";
    int firstNumber = 0;
    for (size_t start = yearText.find_first_of(kDigits); start != std::string::npos;) {
        const size_t end = std::min(yearText.find_first_not_of(kDigits, start), yearText.size());
        if (end - start >= 4) return TrackNumber(yearText.substr(start, 4));
        if (firstNumber == 0) firstNumber = TrackNumber(yearText.substr(start, end - start));
        start = yearText.find_first_of(kDigits, end);
    }
    return firstNumber;
}

}  // namespace tonewright
