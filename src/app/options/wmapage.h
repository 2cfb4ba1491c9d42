#pragma once

#include <functional>
#include <vector>

#include "app/options/optionpage.h"
#include "encoders/winmedia/wmaformats.h"

namespace tonewright {

// Makes sure of the WMA encoder and returns its codec formats; an empty list without it.
using WmaFormatSource = std::function<WmaFormatList()>;

// "WMA Options": Auto or one of the runtime's codec formats, the tag block and
// amplification. The stored rate, bit rate and channels stay as they were while Auto is on.
class WmaPage : public OptionPage {
    Q_OBJECT
public:
    WmaPage(Settings& settings, const WmaFormatSource& formats, Desktop& desktop, QWidget* parent = nullptr);
    bool LeavePage() override;

protected:
    void Apply() override;
    void showEvent(QShowEvent* event) override;

private:
    void FillFormats();

    WmaFormatSource source_;
    std::vector<WmaFormat> formats_;  // the rows after "Auto"
    bool filled_ = false;
    QComboBox* list_;
    TagBlock* tagBlock_;
    AmplifyBlock* amplify_;
};

}  // namespace tonewright
