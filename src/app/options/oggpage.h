#pragma once

#include "app/options/presetpage.h"

namespace tonewright {

// "OGG Options": the bit rate stays within what libvorbis encodes at the rate and
// channel count chosen. Channel radio: stereo, mono, as the source. By bit rate or by
// libvorbis's quality levels (10 best down to -1).
class OggPage : public PresetPage {
    Q_OBJECT
public:
    OggPage(Settings& settings, Desktop& desktop, QWidget* parent = nullptr);

protected:
    void Apply() override;
    void AdjustAfterRateChange(EncodingChoice& choice) override { Bound(choice); }
    void AdjustAfterDetailChange(EncodingChoice& choice) override { Bound(choice); }
    void AdjustAfterChannelChange(EncodingChoice& choice) override { Bound(choice); }

private:
    static void Bound(EncodingChoice& choice);
};

}  // namespace tonewright
