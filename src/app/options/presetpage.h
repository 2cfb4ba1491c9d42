#pragma once

#include <vector>

#include "app/options/optionpage.h"
#include "app/options/optionrules.h"

class QButtonGroup;
class QVBoxLayout;

namespace tonewright {

struct EncodingChoice;
struct PresetValues;

// What a page with a preset list shows: the rows of its lists and its presets.
struct PresetPageLayout {
    std::vector<int> sampleRates;
    QString detailLabel;   // "&Bit Rate:" or "&Bits:"
    QString detailFormat;  // "%1 kbps" or "%1 bits"
    std::vector<int> details;
    QStringList channelTexts;
    std::vector<EncodingPreset> presets;
};

// A format page with "&Encoding Options:" (Auto, the presets, Custom), a sample-rate list,
// a bit-rate (or bits) list and channel radios, then an optional tag block and the
// amplification block. A user change of a parameter makes the preset list show "Custom";
// the formats add their constraints by overriding the Adjust hooks.
class PresetPage : public OptionPage {
    Q_OBJECT
public:
    PresetPage(PresetValues& values, const PresetPageLayout& layout, bool withTag, Desktop& desktop,
               QWidget* parent = nullptr);
    bool LeavePage() override;

protected:
    void Apply() override;
    // Called after the user changed the rate, the detail or the channel choice, with the
    // controls' values read; the hooks may move the other values.
    virtual void AdjustAfterRateChange(EncodingChoice&) {}
    virtual void AdjustAfterDetailChange(EncodingChoice&) {}
    virtual void AdjustAfterChannelChange(EncodingChoice&) {}

    // Space between the parameters and the tag block for a format's own controls.
    QVBoxLayout* extras() const { return extras_; }
    TagBlock* tagBlock() const { return tagBlock_; }

private:
    enum class Changed { Rate, Detail, Channel };
    EncodingChoice ReadControls() const;
    void WriteControls(const EncodingChoice& choice);
    void SelectMatchingPreset();
    void PresetChosen(int row);
    void ParameterChanged(Changed what);
    bool autoRow() const;

    PresetValues& values_;
    std::vector<EncodingPreset> presets_;
    QComboBox* presetList_;
    QComboBox* rateList_;
    QComboBox* detailList_;
    QButtonGroup* channels_;
    QWidget* parameters_;
    QVBoxLayout* extras_;
    TagBlock* tagBlock_ = nullptr;
    AmplifyBlock* amplify_;
    // The values last shown, to tell a change from a repeated choice.
    int shownRate_ = 0, shownDetail_ = 0, shownChannel_ = 0;
};

}  // namespace tonewright
