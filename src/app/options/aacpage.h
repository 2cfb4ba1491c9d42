#pragma once

#include "app/options/optionpage.h"

namespace tonewright {

struct AacDetails;
struct StoredAacDetails;

// "AAC Options" and "MP4/M4A/M4B Options": Auto or the encoder's details (ABR with a bit
// rate or VBR with a quality, TNS, mid/side, for AAC the MPEG version, and the block type,
// shown but not offered: the encoder chooses its blocks itself), Reset to the recommended
// details, the channels (stereo, mono or the source's up to 5.1, whether Auto or not) and
// amplification; the MP4 page adds the tag block.
// The stored details stay as they were while Auto is on.
class AacPage : public OptionPage {
    Q_OBJECT
public:
    enum class Container { Adts, Mp4 };
    AacPage(Settings& settings, Container container, Desktop& desktop, QWidget* parent = nullptr);
    bool LeavePage() override;

protected:
    void Apply() override;

private:
    void ApplyEnableRules();
    void Reset();
    // Shows the encoder details of `details` (not its tag or amplification).
    void WriteDetails(const AacDetails& details);

    const StoredAacDetails& stored_;
    QCheckBox* auto_;
    QButtonGroup* vbr_;
    QComboBox* bitRate_;
    RangeSpinBox* quality_;
    QCheckBox *tns_, *midSide_;
    QButtonGroup* mpegVersion_ = nullptr;
    QButtonGroup* blockType_;
    QButtonGroup* channels_;
    QWidget* details_;
    TagBlock* tagBlock_ = nullptr;
    AmplifyBlock* amplify_;
};

}  // namespace tonewright
