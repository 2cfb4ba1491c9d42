#pragma once

#include "encoders/aac/aaccodec.h"

namespace tonewright {

// The user's AAC choices shared by the AAC and MP4 outputs.
struct AacChoices {
    int vbr = 0;
    int vbrQuality = 0;
    int abrKbps = 0;  // total over all channels
    int tns = 0;
    int midside = 0;
    int blockType = 0;
};

// Changes the preset configuration by the choices: a VBR quality in 10..500 (others leave
// the encoder's own), or else the total bit rate spread over the channels; TNS, mid/side
// and block switching as chosen.
void ApplyAacChoices(const AacChoices& choices, int channels, AacConfiguration& config);

}  // namespace tonewright
