#include "metadata/taginfo.h"

#include <cctype>
#include <climits>

namespace tonewright {

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

}  // namespace tonewright
