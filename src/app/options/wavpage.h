#pragma once

#include "app/options/presetpage.h"

namespace tonewright {

struct WavValues;

// "WAV Options": rate, bits and channels, free of constraints.
class WavPage : public PresetPage {
    Q_OBJECT
public:
    WavPage(WavValues& values, Desktop& desktop, QWidget* parent = nullptr);
};

}  // namespace tonewright
