#pragma once

#include "app/options/presetpage.h"

class QCheckBox;

namespace tonewright {

// "MP3 Options": the bit rate and sample rate keep each other within what MPEG audio
// layer III carries; the ID3 version choice follows the tag choice. Channel radio: joint
// stereo, stereo, mono, as the source. Constant bit rate or LAME's VBR levels, and the
// LAME/Info frame for constant-bit-rate files.
class Mp3Page : public PresetPage {
    Q_OBJECT
public:
    Mp3Page(Settings& settings, Desktop& desktop, QWidget* parent = nullptr);

protected:
    void Apply() override;
    void AdjustAfterRateChange(EncodingChoice& choice) override;
    void AdjustAfterDetailChange(EncodingChoice& choice) override;

private:
    QButtonGroup* id3Version_;
    QCheckBox* infoFrame_;
};

}  // namespace tonewright
