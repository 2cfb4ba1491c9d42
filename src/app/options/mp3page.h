#pragma once

#include "app/options/optionvalues.h"
#include "app/options/presetpage.h"

namespace tonewright {

// Channel radio: joint stereo, stereo, mono, as the source.
struct Mp3Values : PresetValues {
    int id3Version = 1;  // 0 v1, 1 v2, 2 both
};

Mp3Values CopyMp3In(const Settings& settings);
void CopyMp3Out(const Mp3Values& values, Settings& settings);

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
