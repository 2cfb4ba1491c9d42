#include "encoders/aac/aacchoices.h"

namespace tonewright {

namespace {

constexpr int kLowestQuality = 10;
constexpr int kHighestQuality = 500;

}  // namespace

void ApplyAacChoices(const AacChoices& choices, int channels, AacConfiguration& config) {
    if (choices.vbr) {
        if (choices.vbrQuality >= kLowestQuality && choices.vbrQuality <= kHighestQuality)
            config.quantqual = static_cast<unsigned long>(choices.vbrQuality);
    } else if (choices.abrKbps > 0 && channels > 0) {
        config.bitRate = static_cast<unsigned long>(choices.abrKbps) * 1000 / channels;
    }
    config.useTns = choices.tns ? 1 : 0;
    config.allowMidside = choices.midside ? 1 : 0;
    config.shortctl = choices.blockType;
}

}  // namespace tonewright
