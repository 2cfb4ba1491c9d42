#pragma once

#include "app/options/optionpage.h"

namespace tonewright {

// "Opus Options": a preset or a custom bit rate 6..510 kbps, the bit-rate mode (variable,
// constrained variable, constant) and libopus's complexity 0..10, the tag block and
// amplification, and the channels (stereo, mono or the source's). The rate is always the
// source's.
class OpusPage : public OptionPage {
    Q_OBJECT
public:
    OpusPage(Settings& settings, Desktop& desktop, QWidget* parent = nullptr);
    bool LeavePage() override;

protected:
    void Apply() override;

private:
    void PresetChosen(int row);
    void BitrateChanged();

    QComboBox* presets_;
    QSpinBox* bitrate_;
    QComboBox* modes_;
    QComboBox* complexities_;
    QButtonGroup* channels_ = nullptr;
    TagBlock* tagBlock_;
    AmplifyBlock* amplify_;
};

}  // namespace tonewright
