#pragma once

#include "app/options/optionpage.h"

namespace tonewright {

// "FLAC Options": a preset (fastest, default, smallest) or a custom compression level
// 0..8, the channels (stereo, mono or the source's), the tag block and amplification. The
// rate is always the source's.
class FlacPage : public OptionPage {
    Q_OBJECT
public:
    FlacPage(Settings& settings, Desktop& desktop, QWidget* parent = nullptr);
    bool LeavePage() override;

protected:
    void Apply() override;

private:
    void PresetChosen(int row);
    void LevelChosen();

    QComboBox* presets_;
    QComboBox* levels_;
    QButtonGroup* channels_ = nullptr;
    TagBlock* tagBlock_;
    AmplifyBlock* amplify_;
};

}  // namespace tonewright
