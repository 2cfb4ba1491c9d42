#include "app/options/presetpage.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include <algorithm>

#include "engine/outputformat.h"

namespace tonewright {

namespace {

// A text of the page's layout, which marks it for translation in the context "PresetPage".
QString Text(const char* source) { return QCoreApplication::translate("PresetPage", source); }

}  // namespace

int ChannelCountRadio(int channels) { return channels == 2 ? 0 : channels == 1 ? 1 : 2; }

int ChannelCountFromRadio(int radio) { return radio == 0 ? 2 : radio == 1 ? 1 : 0; }

QButtonGroup* AddChannelRow(QWidget* owner, QFormLayout* form, int storedChannels) {
    auto* row = new QHBoxLayout;
    QButtonGroup* radios = AddRadios(owner, row, {Text("&Stereo"), Text("&Mono"), Text("Same as &original file")},
                                     ChannelCountRadio(storedChannels));
    row->addStretch();
    form->addRow(Text("Channels:"), row);
    return radios;
}

PresetPage::PresetPage(Settings& settings, const PresetPageLayout& layout, Desktop& desktop, QWidget* parent)
    : OptionPage(settings, desktop, parent),
      group_(FindOutputFormat(layout.code)->settings),
      stored_(layout.stored),
      presets_(layout.presets),
      presetList_(new QComboBox(this)),
      rateList_(new QComboBox(this)),
      detailList_(new QComboBox(this)),
      parameters_(new QGroupBox(tr("Parameters"), this)),
      extras_(new QVBoxLayout),
      amplify_(new AmplifyBlock(settings, group_, this)) {
    presetList_->setObjectName(QStringLiteral("presets"));
    rateList_->setObjectName(QStringLiteral("sampleRate"));
    detailList_->setObjectName(QStringLiteral("detail"));
    presetList_->addItem(tr("Auto"));
    for (const EncodingPreset& preset : presets_) presetList_->addItem(Text(preset.text));
    presetList_->addItem(tr("Custom"));
    FillValueList(rateList_, layout.sampleRates, tr("%1 Hz"));
    FillValueList(detailList_, layout.details, Text(layout.detailFormat));
    for (const auto& [value, text] : layout.namedDetails)
        detailList_->setItemText(detailList_->findData(value), Text(text));
    SelectValue(rateList_, settings.*stored_.sampleRate);
    SelectValue(detailList_, settings.*stored_.detail);

    auto* form = new QFormLayout;
    form->addRow(tr("&Encoding Options:"), presetList_);
    parameterForm_ = new QFormLayout(parameters_);
    parameterForm_->addRow(tr("Sample &Frequency:"), rateList_);
    parameterForm_->addRow(Text(layout.detailLabel), detailList_);
    auto* channelRow = new QHBoxLayout;
    QStringList channelTexts;
    for (const char* text : layout.channelTexts) channelTexts << Text(text);
    channels_ = AddRadios(parameters_, channelRow, channelTexts, stored_.channelRadio(settings.*stored_.channels));
    channelRow->addStretch();
    parameterForm_->addRow(tr("Channels:"), channelRow);

    auto* page = new QVBoxLayout(this);
    page->addLayout(form);
    page->addWidget(parameters_);
    page->addLayout(extras_);
    if (group_.tagMode) {
        tagBlock_ = new TagBlock(settings, group_, true, this);
        page->addWidget(tagBlock_);
    }
    page->addWidget(amplify_);
    page->addStretch();

    shownRate_ = SelectedValue(rateList_);
    shownDetail_ = SelectedValue(detailList_);
    shownChannel_ = channels_->checkedId();
    const bool autoParams = settings.*group_.autoParams == 1;
    if (autoParams)
        presetList_->setCurrentIndex(0);
    else
        SelectMatchingPreset();
    parameters_->setEnabled(!autoParams);

    connect(presetList_, &QComboBox::activated, this, &PresetPage::PresetChosen);
    connect(rateList_, &QComboBox::activated, this, [this] { ParameterChanged(Changed::Rate); });
    connect(detailList_, &QComboBox::activated, this, [this] { ParameterChanged(Changed::Detail); });
    connect(channels_, &QButtonGroup::idClicked, this, [this] { ParameterChanged(Changed::Channel); });
}

void PresetPage::AddModeRows(const QString& modeLabel, const QStringList& modes, int mode, const QString& levelLabel,
                             const QStringList& levels, const std::vector<int>& levelValues, int level) {
    modeList_ = new QComboBox(parameters_);
    modeList_->setObjectName(QStringLiteral("encodingMode"));
    modeList_->addItems(modes);
    modeList_->setCurrentIndex(mode == 1 ? 1 : 0);
    levelList_ = new QComboBox(parameters_);
    levelList_->setObjectName(QStringLiteral("level"));
    for (int i = 0; i < levels.size() && i < static_cast<int>(levelValues.size()); ++i)
        levelList_->addItem(levels[i], levelValues[static_cast<size_t>(i)]);
    levelList_->setCurrentIndex(std::max(levelList_->findData(level), 0));
    parameterForm_->insertRow(1, modeLabel, modeList_);
    parameterForm_->insertRow(3, levelLabel, levelList_);
    const auto follow = [this] {
        detailList_->setEnabled(ChosenMode() == 0);
        levelList_->setEnabled(ChosenMode() == 1);
    };
    follow();
    connect(modeList_, &QComboBox::currentIndexChanged, this, follow);
    // The presets stand for bit rates: a level shows "Custom", and a preset brings the
    // bit-rate mode back.
    if (!autoRow()) SelectMatchingPreset();
    connect(modeList_, &QComboBox::activated, this, [this] { presetList_->setCurrentIndex(presetList_->count() - 1); });
}

int PresetPage::ChosenMode() const { return modeList_ ? modeList_->currentIndex() : 0; }

int PresetPage::ChosenLevel() const { return levelList_ ? levelList_->currentData().toInt() : 0; }

bool PresetPage::autoRow() const { return presetList_->currentIndex() == 0; }

EncodingChoice PresetPage::ReadControls() const {
    return {SelectedValue(rateList_), SelectedValue(detailList_), channels_->checkedId()};
}

void PresetPage::WriteControls(const EncodingChoice& choice) {
    shownRate_ = SelectValue(rateList_, choice.sampleRate);
    shownDetail_ = SelectValue(detailList_, choice.detail);
    channels_->button(choice.channelRadio)->setChecked(true);
    shownChannel_ = choice.channelRadio;
}

void PresetPage::SelectMatchingPreset() {
    const EncodingChoice shown = ReadControls();
    const int preset =
        ChosenMode() == 0 ? MatchingPreset(presets_, shown.sampleRate, shown.detail, shown.channelRadio) : -1;
    presetList_->setCurrentIndex(preset >= 0 ? preset + 1 : presetList_->count() - 1);
}

void PresetPage::PresetChosen(int row) {
    parameters_->setEnabled(row != 0);
    const int preset = row - 1;
    if (preset < 0 || preset >= static_cast<int>(presets_.size())) return;
    const EncodingPreset& chosen = presets_[preset];
    if (modeList_) modeList_->setCurrentIndex(0);
    WriteControls({chosen.sampleRate, chosen.second, chosen.channelRadio});
}

void PresetPage::ParameterChanged(Changed what) {
    EncodingChoice choice = ReadControls();
    switch (what) {
        case Changed::Rate:
            if (choice.sampleRate == shownRate_) return;
            AdjustAfterRateChange(choice);
            break;
        case Changed::Detail:
            if (choice.detail == shownDetail_) return;
            AdjustAfterDetailChange(choice);
            break;
        case Changed::Channel:
            if (choice.channelRadio == shownChannel_) return;
            AdjustAfterChannelChange(choice);
            break;
    }
    WriteControls(choice);
    presetList_->setCurrentIndex(presetList_->count() - 1);
}

bool PresetPage::LeavePage() {
    return AcceptAmplify(*amplify_);
}

void PresetPage::Apply() {
    settings_.*group_.autoParams = autoRow() ? 1 : 0;
    if (!autoRow()) {
        const EncodingChoice choice = ReadControls();
        settings_.*stored_.sampleRate = choice.sampleRate;
        settings_.*stored_.detail = choice.detail;
        settings_.*stored_.channels = stored_.storedChannels(choice.channelRadio);
    }
    amplify_->Apply();
    if (tagBlock_) tagBlock_->Apply();
}

}  // namespace tonewright
