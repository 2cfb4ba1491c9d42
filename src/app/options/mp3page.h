#pragma once

#include "app/options/presetpage.h"

namespace tonewright {

struct Mp3Values;

// "MP3 Options": the bit rate and sample rate keep each other within what MPEG audio
// layer III carries; the ID3 version choice follows the tag choice.
class Mp3Page : public PresetPage {
    Q_OBJECT
public:
    Mp3Page(Mp3Values& values, Desktop& desktop, QWidget* parent = nullptr);

protected:
    void Apply() override;
    void AdjustAfterRateChange(EncodingChoice& choice) override;
    void AdjustAfterDetailChange(EncodingChoice& choice) override;

private:
    Mp3Values& values_;
    QButtonGroup* id3Version_;
};

}  // namespace tonewright
