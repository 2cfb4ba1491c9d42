#pragma once

#include "app/options/optionpage.h"

namespace tonewright {

// "AMR/AWB Options": the band of .amr files with the mode list of that band, the mode of
// .awb files, discontinuous transmission for each, and amplification. No Auto choice.
class AmrPage : public OptionPage {
    Q_OBJECT
public:
    AmrPage(Settings& settings, Desktop& desktop, QWidget* parent = nullptr);
    bool LeavePage() override;

protected:
    void Apply() override;

private:
    void EnableBandList(int band);

    QButtonGroup* band_;
    QComboBox *nbModes_, *wbModes_, *awbModes_;
    QCheckBox *nbDtx_, *awbDtx_;
    AmplifyBlock* amplify_;
};

}  // namespace tonewright
