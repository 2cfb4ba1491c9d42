#include "sources/codecs/g711.h"

namespace tonewright {

int16_t ExpandAlaw(uint8_t code) {
    // A-law codes are stored with the even bits inverted; the top bit set means positive.
    const int unmasked = code ^ 0x55;
    const int segment = (unmasked >> 4) & 0x07;
    // The mantissa sits in the middle of its step (+8); segments above 0 add the implicit
    // leading one (0x100) and scale by powers of two.
    int magnitude = (unmasked & 0x0F) << 4;
    magnitude += segment == 0 ? 0x08 : 0x108;
    if (segment > 1) magnitude <<= segment - 1;
    return static_cast<int16_t>((unmasked & 0x80) ? magnitude : -magnitude);
}

int16_t ExpandMulaw(uint8_t code) {
    // mu-law codes are stored inverted; the top bit set (after inversion) means negative.
    constexpr int kBias = 0x84;
    const int inverted = ~code & 0xFF;
    const int segment = (inverted >> 4) & 0x07;
    const int biased = (((inverted & 0x0F) << 3) + kBias) << segment;
    return static_cast<int16_t>((inverted & 0x80) ? kBias - biased : biased - kBias);
}

}  // namespace tonewright
