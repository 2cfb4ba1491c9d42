#pragma once

#include "app/options/presetpage.h"

namespace tonewright {

// "WAV Options": rate, bits and channels, free of constraints. Channel radio: stereo,
// mono, as the source.
class WavPage : public PresetPage {
    Q_OBJECT
public:
    WavPage(Settings& settings, Desktop& desktop, QWidget* parent = nullptr);
};

}  // namespace tonewright
