#include "app/options/flacpage.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>

#include <iterator>

#include "app/options/presetpage.h"
#include "encoders/flac/flacoutput.h"
#include "engine/outputformat.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

const OutputFormatSettings& FlacGroup() { return FindOutputFormat(kOutputFlac)->settings; }

struct FlacPreset {
    const char* text;
    int level;
};

const FlacPreset kFlacPresets[] = {
    {QT_TRANSLATE_NOOP("FlacPage", "Fastest (level 0, larger file)"), kFlacFastestLevel},
    {QT_TRANSLATE_NOOP("FlacPage", "Standard (level 5)"), 5},
    {QT_TRANSLATE_NOOP("FlacPage", "Smallest file (level 8, slowest)"), kFlacSmallestLevel},
};

}  // namespace

FlacPage::FlacPage(Settings& settings, Desktop& desktop, QWidget* parent)
    : OptionPage(settings, desktop, parent),
      presets_(new QComboBox(this)),
      levels_(new QComboBox(this)),
      tagBlock_(new TagBlock(settings, FlacGroup(), true, this)),
      amplify_(new AmplifyBlock(settings, FlacGroup(), this)) {
    presets_->setObjectName(QStringLiteral("presets"));
    levels_->setObjectName(QStringLiteral("levels"));
    for (const FlacPreset& preset : kFlacPresets)
        presets_->addItem(QCoreApplication::translate("FlacPage", preset.text));
    presets_->addItem(tr("Custom"));
    for (int level = kFlacFastestLevel; level <= kFlacSmallestLevel; ++level) levels_->addItem(QString::number(level));
    levels_->setCurrentIndex(settings.FLACCompression - kFlacFastestLevel);
    LevelChosen();

    auto* form = new QFormLayout;
    form->addRow(tr("&Encoding Options:"), presets_);
    form->addRow(tr("&Compression level:"), levels_);
    channels_ = AddChannelRow(this, form, settings.FLACChannels);
    LayOutFormPage(this, form,
                   tr("Lossless: the sample frequency and the sample width of the original file are kept "
                      "(24 bits for wider samples)."),
                   tagBlock_, amplify_);

    connect(presets_, &QComboBox::activated, this, &FlacPage::PresetChosen);
    connect(levels_, &QComboBox::activated, this, &FlacPage::LevelChosen);
}

void FlacPage::PresetChosen(int row) {
    if (row >= 0 && row < static_cast<int>(std::size(kFlacPresets)))
        levels_->setCurrentIndex(kFlacPresets[row].level - kFlacFastestLevel);
}

// The preset of the chosen level, else "Custom".
void FlacPage::LevelChosen() {
    const int level = levels_->currentIndex() + kFlacFastestLevel;
    int row = static_cast<int>(std::size(kFlacPresets));
    for (int i = 0; i < row; ++i)
        if (kFlacPresets[i].level == level) row = i;
    presets_->setCurrentIndex(row);
}

bool FlacPage::LeavePage() { return AcceptAmplify(*amplify_); }

void FlacPage::Apply() {
    settings_.FLACCompression = levels_->currentIndex() + kFlacFastestLevel;
    settings_.FLACChannels = ChannelCountFromRadio(channels_->checkedId());
    tagBlock_->Apply();
    amplify_->Apply();
}

}  // namespace tonewright
