#include "metadata/textconversion.h"

namespace tonewright {

namespace {

const char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

// The second byte's range rules out overlong forms, surrogates and values above U+10FFFF.
size_t Utf8SequenceLength(const std::string& text, size_t at, size_t end) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    size_t length;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (end - at < length) return 0;
    if (byte(1) < low || byte(1) > high) return 0;
    for (size_t i = 2; i < length; ++i)
        if (!IsContinuation(byte(i))) return 0;
    return length;
}

namespace {

std::string RepairedUtf8(const std::string& text) {
    const size_t nul = text.find('\0');
    const size_t end = nul == std::string::npos ? text.size() : nul;
    std::string out;
    out.reserve(end);
    for (size_t at = 0; at < end;) {
        const size_t length = Utf8SequenceLength(text, at, end);
        if (length == 0) {
            out += kReplacement;
            ++at;
        } else {
            out.append(text, at, length);
            at += length;
        }
    }
    return out;
}

}  // namespace

int AnsiToUtf8(const std::string& ansi, std::string& out) {
    if (ansi.empty() || ansi[0] == '\0') return -1;
    out = RepairedUtf8(ansi);
    return 0;
}

int Utf8ToAnsi(const std::string& utf8, std::string& out) {
    out = RepairedUtf8(utf8);
    return 0;
}

}  // namespace tonewright
