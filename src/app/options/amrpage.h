#pragma once

#include "app/options/optionpage.h"
#include "app/options/optionvalues.h"

namespace tonewright {

struct AmrValues : FormatValues {
    int type = 0;  // 0 narrow band, 1 wide band
    int nbMode = 6;
    int wbMode = 6;
    bool nbDtx = false;
    int awbMode = 6;
    bool awbDtx = false;
};

AmrValues CopyAmrIn(const Settings& settings);
void CopyAmrOut(const AmrValues& values, Settings& settings);

// "AMR/AWB Options": the band of .amr files with the mode list of that band, the mode of
// .awb files, discontinuous transmission for each, and amplification. No Auto choice.
class AmrPage : public OptionPage {
    Q_OBJECT
public:
    AmrPage(AmrValues& values, Desktop& desktop, QWidget* parent = nullptr);
    bool LeavePage() override;

protected:
    void Apply() override;

private:
    void EnableBandList(int band);

    AmrValues& values_;
    QButtonGroup* band_;
    QComboBox *nbModes_, *wbModes_, *awbModes_;
    QCheckBox *nbDtx_, *awbDtx_;
    AmplifyBlock* amplify_;
};

}  // namespace tonewright
