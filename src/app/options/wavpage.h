#pragma once

#include "app/options/optionvalues.h"
#include "app/options/presetpage.h"

namespace tonewright {

// The page's values; channel radio: stereo, mono, as the source.
PresetValues CopyWavIn(const Settings& settings);
void CopyWavOut(const PresetValues& values, Settings& settings);

// "WAV Options": rate, bits and channels, free of constraints.
class WavPage : public PresetPage {
    Q_OBJECT
public:
    WavPage(PresetValues& values, Desktop& desktop, QWidget* parent = nullptr);
};

}  // namespace tonewright
