#include "app/options/aacpage.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/options/presetpage.h"
#include "encoders/aac/aacoutput.h"
#include "encoders/mp4/mp4output.h"
#include "engine/outputformat.h"

namespace tonewright {

// The encoder details as the page shows them; a fresh one holds the recommended details.
struct AacDetails {
    bool autoParams = true;
    int vbrRadio = 1;  // 0 ABR, 1 VBR
    int quality = 100;
    int bitRate = 128;
    bool tns = false;
    bool midSide = true;
    int mpegRadio = 0;  // 0 MPEG-4, 1 MPEG-2
    int blockType = 0;
};

// Where a page's encoder details are stored, and the format whose settings group it sets.
struct StoredAacDetails {
    int code;
    int Settings::*vbr;
    int Settings::*quality;
    int Settings::*bitRate;
    int Settings::*tns;
    int Settings::*midSide;
    int Settings::*blockType;
    int Settings::*mpegVersion;  // the AAC page's only
    int Settings::*channels;
};

namespace {

constexpr int kMinQuality = 10;
constexpr int kMaxQuality = 500;

using S = Settings;
const StoredAacDetails kAdtsDetails = {kOutputAac,       &S::AACVBR,           &S::AACVBRQuality, &S::AACABRBitRate,
                                       &S::AACEnableTNS, &S::AACEnableMidside, &S::AACBlockType,  &S::AACMpegVersion,
                                       &S::AACChannels};
const StoredAacDetails kMp4Details = {kOutputM4a,       &S::M4AVBR,           &S::M4AVBRQuality, &S::M4AABRBitRate,
                                      &S::M4AEnableTNS, &S::M4AEnableMidside, &S::M4ABlockType,  nullptr,
                                      &S::M4AChannels};

const OutputFormatSettings& GroupOf(const StoredAacDetails& stored) { return FindOutputFormat(stored.code)->settings; }

AacDetails ReadDetails(const Settings& s, const StoredAacDetails& stored) {
    AacDetails details;
    details.autoParams = s.*GroupOf(stored).autoParams == 1;
    details.vbrRadio = s.*stored.vbr != 0 ? 1 : 0;
    details.quality = s.*stored.quality;
    details.bitRate = s.*stored.bitRate;
    details.tns = s.*stored.tns != 0;
    details.midSide = s.*stored.midSide != 0;
    details.blockType = s.*stored.blockType;
    if (stored.mpegVersion) details.mpegRadio = s.*stored.mpegVersion != 0 ? 1 : 0;
    return details;
}

const std::vector<int> kAacBitRates = {16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 192, 224, 256, 320};

void Check(QButtonGroup* group, int id) {
    if (group && group->button(id)) group->button(id)->setChecked(true);
}

}  // namespace

AacPage::AacPage(Settings& settings, Container container, Desktop& desktop, QWidget* parent)
    : OptionPage(settings, desktop, parent),
      stored_(container == Container::Adts ? kAdtsDetails : kMp4Details),
      auto_(new QCheckBox(tr("A&uto (let the program choose the best parameters)"), this)),
      bitRate_(new QComboBox(this)),
      quality_(new RangeSpinBox(kMinQuality, kMaxQuality, this)),
      tns_(new QCheckBox(tr("Use &Temporal Noise Shaping (TNS)"), this)),
      midSide_(new QCheckBox(tr("Allow &Mid/Side"), this)),
      details_(new QGroupBox(tr("Encoder"), this)),
      amplify_(new AmplifyBlock(settings, GroupOf(stored_), this)) {
    auto_->setObjectName(QStringLiteral("auto"));
    bitRate_->setObjectName(QStringLiteral("bitRate"));
    quality_->setObjectName(QStringLiteral("quality"));
    FillValueList(bitRate_, kAacBitRates, tr("%1 kbps"));

    auto* grid = new QGridLayout(details_);
    auto* modeRow = new QHBoxLayout;
    vbr_ = AddRadios(details_, modeRow,
                     {tr("Average &Bit Rate (ABR)"), tr("&Variable Bit Rate (VBR)")}, 0);
    modeRow->addStretch();
    grid->addLayout(modeRow, 0, 0, 1, 3);
    auto* bitRateLabel = new QLabel(tr("Bit &Rate:"), details_);
    bitRateLabel->setBuddy(bitRate_);
    grid->addWidget(bitRateLabel, 1, 0);
    grid->addWidget(bitRate_, 1, 1);
    auto* qualityLabel = new QLabel(tr("&Quality:"), details_);
    qualityLabel->setBuddy(quality_);
    grid->addWidget(qualityLabel, 2, 0);
    grid->addWidget(quality_, 2, 1);
    grid->addWidget(new QLabel(tr("(Default: 100. From 10 to 500)"), details_), 2, 2);
    grid->addWidget(tns_, 3, 0, 1, 3);
    grid->addWidget(midSide_, 4, 0, 1, 3);
    int row = 5;
    if (container == Container::Adts) {
        auto* versionRow = new QHBoxLayout;
        versionRow->addWidget(new QLabel(tr("MPEG version:"), details_));
        mpegVersion_ = AddRadios(details_, versionRow, {tr("MPEG&4"), tr("MPEG&2")}, 0);
        versionRow->addStretch();
        grid->addLayout(versionRow, row++, 0, 1, 3);
    }
    // FFmpeg's AAC encoder switches between long and short blocks by its own analysis and
    // offers no option to forbid either, so the stored block type is shown but not offered.
    auto* blockRow = new QHBoxLayout;
    blockRow->addWidget(new QLabel(tr("Block type:"), details_));
    blockType_ = AddRadios(details_, blockRow,
                           {tr("B&oth long and short"), tr("No &short"), tr("&No long")},
                           0);
    for (QAbstractButton* radio : blockType_->buttons()) radio->setEnabled(false);
    blockRow->addStretch();
    grid->addLayout(blockRow, row++, 0, 1, 3);
    auto* blockNote =
        new QLabel(tr("Not adjustable: the AAC encoder chooses long and short blocks itself."), details_);
    blockNote->setObjectName(QStringLiteral("blockNote"));
    grid->addWidget(blockNote, row, 0, 1, 3);
    grid->setColumnStretch(2, 1);

    auto* reset = new QPushButton(tr("Reset"), this);
    reset->setObjectName(QStringLiteral("reset"));
    auto* topRow = new QHBoxLayout;
    topRow->addWidget(auto_);
    topRow->addStretch();
    topRow->addWidget(reset);

    auto* channelForm = new QFormLayout;
    channels_ = AddChannelRow(this, channelForm, settings.*stored_.channels);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(topRow);
    layout->addLayout(channelForm);
    layout->addWidget(details_);
    if (GroupOf(stored_).tagMode) {
        tagBlock_ = new TagBlock(settings, GroupOf(stored_), false, this);
        layout->addWidget(tagBlock_);
    }
    layout->addWidget(amplify_);
    layout->addStretch();

    WriteDetails(ReadDetails(settings, stored_));

    connect(auto_, &QCheckBox::toggled, this, &AacPage::ApplyEnableRules);
    connect(vbr_, &QButtonGroup::idClicked, this, [this](int id) {
        ApplyEnableRules();
        (id == 0 ? static_cast<QWidget*>(bitRate_) : quality_)->setFocus();
    });
    connect(reset, &QPushButton::clicked, this, &AacPage::Reset);
}

void AacPage::ApplyEnableRules() {
    const bool manual = !auto_->isChecked();
    details_->setEnabled(manual);
    bitRate_->setEnabled(manual && vbr_->checkedId() == 0);
    quality_->setEnabled(manual && vbr_->checkedId() == 1);
}

// The recommended details; amplification and the tag stay.
void AacPage::Reset() { WriteDetails(AacDetails{}); }

void AacPage::WriteDetails(const AacDetails& details) {
    auto_->setChecked(details.autoParams);
    Check(vbr_, details.vbrRadio);
    SelectValue(bitRate_, details.bitRate);
    quality_->setValue(details.quality);
    tns_->setChecked(details.tns);
    midSide_->setChecked(details.midSide);
    Check(mpegVersion_, details.mpegRadio);
    Check(blockType_, details.blockType);
    ApplyEnableRules();
}

bool AacPage::LeavePage() {
    const int quality = quality_->value();
    if (!auto_->isChecked() && vbr_->checkedId() == 1 && (quality < kMinQuality || quality > kMaxQuality))
        return Refuse(quality_, tr("Invalid quality value. It's betwen 10 and 500."));
    return AcceptAmplify(*amplify_);
}

void AacPage::Apply() {
    settings_.*GroupOf(stored_).autoParams = auto_->isChecked() ? 1 : 0;
    settings_.*stored_.channels = ChannelCountFromRadio(channels_->checkedId());
    if (!auto_->isChecked()) {
        settings_.*stored_.vbr = vbr_->checkedId() == 1 ? 1 : 0;
        settings_.*stored_.quality = quality_->value();
        settings_.*stored_.bitRate = SelectedValue(bitRate_);
        settings_.*stored_.tns = tns_->isChecked() ? 1 : 0;
        settings_.*stored_.midSide = midSide_->isChecked() ? 1 : 0;
        settings_.*stored_.blockType = blockType_->checkedId();
        if (mpegVersion_) settings_.*stored_.mpegVersion = mpegVersion_->checkedId() == 1 ? 1 : 0;
    }
    if (tagBlock_) tagBlock_->Apply();
    amplify_->Apply();
}

}  // namespace tonewright
