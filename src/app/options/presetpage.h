#pragma once

#include <utility>
#include <vector>

#include "app/options/optionpage.h"
#include "app/options/optionrules.h"
#include "settings/settings.h"

class QButtonGroup;
class QFormLayout;
class QVBoxLayout;

namespace tonewright {

struct OutputFormatSettings;

// The encoding parameters of a page with a preset list.
struct EncodingChoice {
    int sampleRate = 44100;  // 0 = as the source
    int detail = 128;        // bit rate in kbps or bits per sample; 0 = as the source
    int channelRadio = 0;
};

// Where a preset page's parameters are stored, and how its channel radio stands for the
// stored channel value.
struct StoredEncoding {
    int Settings::*sampleRate;
    int Settings::*detail;
    int Settings::*channels;
    int (*channelRadio)(int stored);
    int (*storedChannels)(int radio);
};

// The radio index of a channel count (stereo, mono, as the source) and back.
int ChannelCountRadio(int channels);
int ChannelCountFromRadio(int radio);
// A "Channels:" row of `form` with those radios, the one of the stored count checked.
QButtonGroup* AddChannelRow(QWidget* owner, QFormLayout* form, int storedChannels);

// What a page with a preset list sets and shows: its format, where its parameters are
// stored, the rows of its lists and its presets.
struct PresetPageLayout {
    int code;
    StoredEncoding stored;
    std::vector<int> sampleRates;
    // The texts are translated where the page shows them (context "PresetPage").
    const char* detailLabel;   // "&Bit Rate:" or "&Bits:"
    const char* detailFormat;  // "%1 kbps" or "%1 bits"
    std::vector<int> details;
    std::vector<const char*> channelTexts;
    std::vector<EncodingPreset> presets;
    std::vector<std::pair<int, const char*>> namedDetails = {};  // detail rows with a text of their own
};

// A format page with "&Encoding Options:" (Auto, the presets, Custom), a sample-rate list,
// a bit-rate (or bits) list and channel radios, then the tag block of a tagged format and
// the amplification block. A user change of a parameter makes the preset list show
// "Custom"; the formats add their constraints by overriding the Adjust hooks. With Auto
// chosen, the stored parameters stay as they were.
class PresetPage : public OptionPage {
    Q_OBJECT
public:
    PresetPage(Settings& settings, const PresetPageLayout& layout, Desktop& desktop, QWidget* parent = nullptr);
    bool LeavePage() override;

protected:
    void Apply() override;
    // Called after the user changed the rate, the detail or the channel choice, with the
    // controls' values read; the hooks may move the other values.
    virtual void AdjustAfterRateChange(EncodingChoice&) {}
    virtual void AdjustAfterDetailChange(EncodingChoice&) {}
    virtual void AdjustAfterChannelChange(EncodingChoice&) {}

    // Adds to the parameters an encoding-mode list (row 0: by the bit-rate list, row 1: by
    // the level list) and the level list, whose rows carry the stored level as their data.
    // Only the list the chosen mode uses is enabled.
    void AddModeRows(const QString& modeLabel, const QStringList& modes, int mode, const QString& levelLabel,
                     const QStringList& levels, const std::vector<int>& levelValues, int level);
    int ChosenMode() const;
    int ChosenLevel() const;
    bool autoRow() const;

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

    const OutputFormatSettings& group_;
    StoredEncoding stored_;
    std::vector<EncodingPreset> presets_;
    QComboBox* presetList_;
    QComboBox* rateList_;
    QComboBox* detailList_;
    QButtonGroup* channels_;
    QWidget* parameters_;
    QFormLayout* parameterForm_;
    QComboBox* modeList_ = nullptr;
    QComboBox* levelList_ = nullptr;
    QVBoxLayout* extras_;
    TagBlock* tagBlock_ = nullptr;
    AmplifyBlock* amplify_;
    // The values last shown, to tell a change from a repeated choice.
    int shownRate_ = 0, shownDetail_ = 0, shownChannel_ = 0;
};

}  // namespace tonewright
