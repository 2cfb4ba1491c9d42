#pragma once

#include "app/options/optionvalues.h"
#include "app/options/presetpage.h"

namespace tonewright {

// The page's values; channel radio: stereo, mono, as the source.
PresetValues CopyOggIn(const Settings& settings);
void CopyOggOut(const PresetValues& values, Settings& settings);

// "OGG Options": the bit rate stays within what libvorbis encodes at the rate and
// channel count chosen.
class OggPage : public PresetPage {
    Q_OBJECT
public:
    OggPage(PresetValues& values, Desktop& desktop, QWidget* parent = nullptr);

protected:
    void AdjustAfterRateChange(EncodingChoice& choice) override { Bound(choice); }
    void AdjustAfterDetailChange(EncodingChoice& choice) override { Bound(choice); }
    void AdjustAfterChannelChange(EncodingChoice& choice) override { Bound(choice); }

private:
    static void Bound(EncodingChoice& choice);
};

}  // namespace tonewright
