#pragma once

#include "app/options/optionpage.h"
#include "app/options/optionvalues.h"

class QRadioButton;

namespace tonewright {

// The AAC and the MP4 page's values; the MP4 page has no MPEG version, the AAC page no tag.
// A fresh AacValues holds the recommended encoder details.
struct AacValues : FormatValues {
    int vbrRadio = 1;  // 0 ABR, 1 VBR
    int quality = 100;
    int bitRate = 128;
    bool tns = false;
    bool midSide = true;
    int mpegRadio = 0;  // 0 MPEG-4, 1 MPEG-2
    int blockType = 0;
};

// The encoder details stay as stored while Auto is on.
AacValues CopyAacIn(const Settings& settings);
void CopyAacOut(const AacValues& values, Settings& settings);
AacValues CopyMp4In(const Settings& settings);
void CopyMp4Out(const AacValues& values, Settings& settings);

// "AAC Options" and "MP4/M4A/M4B Options": Auto or the encoder's details (ABR with a bit
// rate or VBR with a quality, TNS, mid/side, block types, and for AAC the MPEG version),
// Reset to the recommended details, and amplification; the MP4 page adds the tag block.
class AacPage : public OptionPage {
    Q_OBJECT
public:
    enum class Container { Adts, Mp4 };
    AacPage(AacValues& values, Container container, Desktop& desktop, QWidget* parent = nullptr);
    bool LeavePage() override;

protected:
    void Apply() override;

private:
    void ApplyEnableRules();
    void Reset();
    // Shows the encoder details of `details` (not its tag or amplification).
    void WriteDetails(const AacValues& details);

    AacValues& values_;
    QCheckBox* auto_;
    QButtonGroup* vbr_;
    QComboBox* bitRate_;
    RangeSpinBox* quality_;
    QCheckBox *tns_, *midSide_;
    QButtonGroup* mpegVersion_ = nullptr;
    QButtonGroup* blockType_;
    QWidget* details_;
    TagBlock* tagBlock_ = nullptr;
    AmplifyBlock* amplify_;
};

}  // namespace tonewright
