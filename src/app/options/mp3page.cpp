#include "app/options/mp3page.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QUrl>

#include "app/desktop.h"
#include "encoders/automaticencoding.h"
#include "encoders/mp3/mp3output.h"
#include "engine/outputformat.h"

namespace tonewright {

namespace {

// MP3ChannelMode: 0 stereo, 1 joint stereo, 3 mono, 4 as the source.
int Mp3ChannelRadio(int channelMode) {
    switch (channelMode) {
        case 1: return 0;
        case 0: return 1;
        case 3: return 2;
        default: return 3;
    }
}

int Mp3ChannelMode(int radio) {
    static constexpr int kModes[] = {1, 0, 3, 4};
    return radio >= 0 && radio < 4 ? kModes[radio] : 4;
}

// The sample rate kept when the bit rate becomes `kbps`: 8 to 24 kbps need at most
// 24000 Hz, 80 to 160 kbps at least 16000 Hz, 192 to 320 kbps at least 32000 Hz. A zero
// ("as the source") on either side applies no constraint.
int RateForBitrate(int kbps, int rate) {
    if (kbps == 0 || rate == 0) return rate;
    if (kbps <= 24) return rate > 24000 ? 24000 : rate;
    if (kbps >= 80 && kbps <= 160) return rate < 16000 ? 16000 : rate;
    if (kbps >= 192) return rate < 32000 ? 32000 : rate;
    return rate;
}

// The bit rate kept when the sample rate becomes `rate`: at most 64 kbps up to 12000 Hz,
// at most 160 kbps up to 24000 Hz, at least 32 kbps above. Zero applies none.
int BitrateForRate(int rate, int kbps) {
    if (kbps == 0 || rate == 0) return kbps;
    return LimitMp3Bitrate(kbps, rate);
}

PresetPageLayout Mp3Layout() {
    return {kOutputMp3,
            {&Settings::MP3SampleRate, &Settings::MP3BitRate, &Settings::MP3ChannelMode, Mp3ChannelRadio, Mp3ChannelMode},
            {kSampleRateTable.begin(), kSampleRateTable.end()},
            QT_TRANSLATE_NOOP("PresetPage", "&Bit Rate:"),
            QT_TRANSLATE_NOOP("PresetPage", "%1 kbps"),
            {kMp3BitrateTable.begin(), kMp3BitrateTable.end()},
            {QT_TRANSLATE_NOOP("PresetPage", "&Joint Stereo"), QT_TRANSLATE_NOOP("PresetPage", "&Stereo"),
             QT_TRANSLATE_NOOP("PresetPage", "&Mono"), QT_TRANSLATE_NOOP("PresetPage", "Same as &original file")},
            {{QT_TRANSLATE_NOOP("PresetPage", "11025 Hz, 16 kbps, Mono (low quality, smaller file size)"),
              11025, 16, 2},
             {QT_TRANSLATE_NOOP("PresetPage", "22050 Hz, 32 kbps, Joint Stereo (OK quality, small size)"),
              22050, 32, 0},
             {QT_TRANSLATE_NOOP("PresetPage", "32000 Hz, 96 kbps, Joint Stereo (medium quality, normal size)"),
              32000, 96, 0},
             {QT_TRANSLATE_NOOP("PresetPage", "44100Hz, 128 kbps, Joint Stereo (close to CD-quality, large size)"),
              44100, 128, 0}}};
}

// The average bit rate LAME's VBR levels V0 .. V9 give, as its documentation lists them.
constexpr int kVbrAverageKbps[] = {245, 225, 190, 175, 165, 130, 115, 100, 85, 65};

QLabel* Link(QWidget* owner, Desktop& desktop, const char* url, const QString& text) {
    auto* label = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(QLatin1String(url), text.toHtmlEscaped()), owner);
    QObject::connect(label, &QLabel::linkActivated, owner, [&desktop](const QString& link) { desktop.Open(QUrl(link)); });
    return label;
}

}  // namespace

Mp3Page::Mp3Page(Settings& settings, Desktop& desktop, QWidget* parent)
    : PresetPage(settings, Mp3Layout(), desktop, parent) {
    QStringList levels;
    std::vector<int> levelValues;
    for (int level = 0; level < 10; ++level) {
        levels << tr("V%1 ≈ %2 kbit/s").arg(level).arg(kVbrAverageKbps[level]);
        levelValues.push_back(level);
    }
    AddModeRows(tr("Encodin&g mode:"), {tr("Constant bit rate (CBR)"), tr("Variable bit rate (VBR)")},
                settings.MP3EncodingMode, tr("VBR &quality:"), levels, levelValues, settings.MP3VBRQuality);
    infoFrame_ = new QCheckBox(tr("&Write the LAME/Info frame in constant-bit-rate files too (exact length, seeking)"),
                               this);
    infoFrame_->setObjectName(QStringLiteral("infoFrame"));
    infoFrame_->setChecked(settings.MP3WriteInfoFrame != 0);

    auto* versions = new QGroupBox(tr("Write ID3 tag as:"), this);
    auto* versionRow = new QHBoxLayout(versions);
    id3Version_ = AddRadios(versions, versionRow,
                            {tr("ID3v&1"), tr("ID3v&2"), tr("I&D3v1 && ID3v2")},
                            settings.MP3WriteID3Version);
    versionRow->addStretch();
    versions->setEnabled(settings.MP3ID3TagType != kTagNone);
    connect(tagBlock(), &TagBlock::choiceChanged, versions,
            [versions](int choice) { versions->setEnabled(choice != kTagNone); });

    auto* links = new QHBoxLayout;
    links->addWidget(Link(this, desktop, "https://wiki.hydrogenaud.io/index.php?title=Joint_stereo",
                          tr("Joint Stereo vs. Stereo")));
    links->addStretch();
    links->addWidget(Link(this, desktop, "https://lame.sourceforge.io/",
                          tr("The program uses LAME MP3 encoder.")));
    extras()->addLayout(links);
    extras()->addWidget(infoFrame_);
    extras()->addWidget(versions);
}

void Mp3Page::Apply() {
    PresetPage::Apply();
    settings_.MP3WriteID3Version = id3Version_->checkedId();
    settings_.MP3WriteInfoFrame = infoFrame_->isChecked() ? 1 : 0;
    if (autoRow()) return;
    settings_.MP3EncodingMode = ChosenMode();
    settings_.MP3VBRQuality = ChosenLevel();
}

void Mp3Page::AdjustAfterRateChange(EncodingChoice& choice) {
    choice.detail = BitrateForRate(choice.sampleRate, choice.detail);
}

void Mp3Page::AdjustAfterDetailChange(EncodingChoice& choice) {
    choice.sampleRate = RateForBitrate(choice.detail, choice.sampleRate);
}

}  // namespace tonewright
