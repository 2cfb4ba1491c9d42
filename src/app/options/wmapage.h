#pragma once

#include <functional>
#include <vector>

#include "app/options/optionpage.h"
#include "app/options/optionvalues.h"
#include "encoders/winmedia/wmaformats.h"

namespace tonewright {

struct WmaValues : FormatValues {
    int sampleRate = 44100;
    int bitRate = 128000;  // bits per second
    int channels = 2;
};

WmaValues CopyWmaIn(const Settings& settings);
// The rate, bit rate and channels stay as stored while Auto is on.
void CopyWmaOut(const WmaValues& values, Settings& settings);

// Makes sure of the WMA encoder and returns its codec formats; an empty list without it.
using WmaFormatSource = std::function<WmaFormatList()>;

// "WMA Options": Auto or one of the runtime's codec formats, the tag block and amplification.
class WmaPage : public OptionPage {
    Q_OBJECT
public:
    WmaPage(WmaValues& values, const WmaFormatSource& formats, Desktop& desktop, QWidget* parent = nullptr);
    bool LeavePage() override;

protected:
    void Apply() override;
    void showEvent(QShowEvent* event) override;

private:
    void FillFormats();

    WmaValues& values_;
    WmaFormatSource source_;
    std::vector<WmaFormat> formats_;  // the rows after "Auto"
    bool filled_ = false;
    QComboBox* list_;
    TagBlock* tagBlock_;
    AmplifyBlock* amplify_;
};

}  // namespace tonewright
