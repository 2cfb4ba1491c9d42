#include "app/options/opuspage.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QSpinBox>

#include <iterator>

#include "app/options/presetpage.h"
#include "encoders/opus/opusoutput.h"
#include "engine/outputformat.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

const OutputFormatSettings& OpusGroup() { return FindOutputFormat(kOutputOpus)->settings; }

struct OpusPreset {
    const char* text;
    int kbps;
};

const OpusPreset kOpusPresets[] = {
    {QT_TRANSLATE_NOOP("OpusPage", "Speech (32 kbps)"), 32},
    {QT_TRANSLATE_NOOP("OpusPage", "Music, good quality (96 kbps)"), 96},
    {QT_TRANSLATE_NOOP("OpusPage", "Music, high quality (128 kbps)"), 128},
    {QT_TRANSLATE_NOOP("OpusPage", "Music, highest quality (192 kbps)"), 192},
};

}  // namespace

OpusPage::OpusPage(Settings& settings, Desktop& desktop, QWidget* parent)
    : OptionPage(settings, desktop, parent),
      presets_(new QComboBox(this)),
      bitrate_(new QSpinBox(this)),
      modes_(new QComboBox(this)),
      complexities_(new QComboBox(this)),
      tagBlock_(new TagBlock(settings, OpusGroup(), true, this)),
      amplify_(new AmplifyBlock(settings, OpusGroup(), this)) {
    presets_->setObjectName(QStringLiteral("presets"));
    bitrate_->setObjectName(QStringLiteral("bitrate"));
    modes_->setObjectName(QStringLiteral("modes"));
    complexities_->setObjectName(QStringLiteral("complexity"));
    for (const OpusPreset& preset : kOpusPresets)
        presets_->addItem(QCoreApplication::translate("OpusPage", preset.text));
    presets_->addItem(tr("Custom"));
    bitrate_->setRange(kOpusLowestBitrate, kOpusHighestBitrate);
    bitrate_->setSuffix(tr(" kbps"));
    bitrate_->setValue(settings.OpusBitRate);
    // In the order of the OpusMode setting.
    modes_->addItems({tr("Variable bit rate (VBR)"), tr("Constrained variable bit rate"),
                      tr("Constant bit rate (CBR)")});
    modes_->setCurrentIndex(settings.OpusMode);
    for (int level = kOpusLowestComplexity; level <= kOpusHighestComplexity; ++level)
        complexities_->addItem(QString::number(level));
    complexities_->setCurrentIndex(settings.OpusComplexity - kOpusLowestComplexity);
    BitrateChanged();

    auto* form = new QFormLayout;
    form->addRow(tr("&Encoding Options:"), presets_);
    form->addRow(tr("&Bit rate:"), bitrate_);
    form->addRow(tr("&Mode:"), modes_);
    form->addRow(tr("Com&plexity (10 best, slowest):"), complexities_);
    channels_ = AddChannelRow(this, form, settings.OpusChannels);
    LayOutFormPage(this, form,
                   tr("The sample frequency of the original file is kept: Opus encodes at 48000 Hz and "
                      "notes the original frequency in the file."),
                   tagBlock_, amplify_);

    connect(presets_, &QComboBox::activated, this, &OpusPage::PresetChosen);
    connect(bitrate_, &QSpinBox::valueChanged, this, &OpusPage::BitrateChanged);
}

void OpusPage::PresetChosen(int row) {
    if (row >= 0 && row < static_cast<int>(std::size(kOpusPresets))) bitrate_->setValue(kOpusPresets[row].kbps);
}

// The preset of the bit rate shown, else "Custom".
void OpusPage::BitrateChanged() {
    int row = static_cast<int>(std::size(kOpusPresets));
    for (int i = 0; i < row; ++i)
        if (kOpusPresets[i].kbps == bitrate_->value()) row = i;
    presets_->setCurrentIndex(row);
}

bool OpusPage::LeavePage() { return AcceptAmplify(*amplify_); }

void OpusPage::Apply() {
    settings_.OpusBitRate = bitrate_->value();
    settings_.OpusMode = modes_->currentIndex();
    settings_.OpusComplexity = complexities_->currentIndex() + kOpusLowestComplexity;
    settings_.OpusChannels = ChannelCountFromRadio(channels_->checkedId());
    tagBlock_->Apply();
    amplify_->Apply();
}

}  // namespace tonewright
