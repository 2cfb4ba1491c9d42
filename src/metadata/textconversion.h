#pragma once

#include <string>

namespace tonewright {

// Conversions between the system's multibyte ("ANSI") text and UTF-8. On Linux the
// system's text is UTF-8, so both check the bytes and repair what is malformed: every
// byte that does not belong to a well-formed UTF-8 sequence (a stray continuation byte, a
// sequence cut short, an overlong form, a surrogate, a value above U+10FFFF) becomes
// U+FFFD. Characters outside the Basic Multilingual Plane are kept as they are. The text
// ends at its first NUL byte. Both return 0 and fill `out`, or -1.

// -1 for an empty text, which is never converted.
int AnsiToUtf8(const std::string& ansi, std::string& out);
int Utf8ToAnsi(const std::string& utf8, std::string& out);

// Length of the well-formed UTF-8 sequence at text[at] that ends before `end` (1 for an
// ASCII byte), 0 when the bytes there are none.
size_t Utf8SequenceLength(const std::string& text, size_t at, size_t end);

}  // namespace tonewright
