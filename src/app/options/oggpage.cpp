#include "app/options/oggpage.h"

#include "encoders/automaticencoding.h"
#include "encoders/vorbis/vorbisoutput.h"
#include "engine/outputformat.h"

namespace tonewright {

namespace {

PresetPageLayout OggLayout() {
    return {kOutputOgg,
            {&Settings::OGGSampleRate, &Settings::OGGBitRate, &Settings::OGGChannels, ChannelCountRadio,
             ChannelCountFromRadio},
            {kSampleRateTable.begin(), kSampleRateTable.end()},
            QT_TRANSLATE_NOOP("PresetPage", "&Bit Rate:"),
            QT_TRANSLATE_NOOP("PresetPage", "%1 kbps"),
            {kVorbisBitrateTable.begin(), kVorbisBitrateTable.end()},
            {QT_TRANSLATE_NOOP("PresetPage", "&Stereo"), QT_TRANSLATE_NOOP("PresetPage", "&Mono"),
             QT_TRANSLATE_NOOP("PresetPage", "Same as &original file")},
            {{QT_TRANSLATE_NOOP("PresetPage", "11025 Hz, 16 kbps, Mono (low quality, smaller size)"),
              11025, 16, 1},
             {QT_TRANSLATE_NOOP("PresetPage", "22050 Hz, 32 kbps, Stereo (OK quality, small size)"),
              22050, 32, 0},
             {QT_TRANSLATE_NOOP("PresetPage", "32000 Hz, 96 kbps, Stereo (medium quality, normal size)"),
              32000, 96, 0},
             {QT_TRANSLATE_NOOP("PresetPage", "44100Hz, 128 kbps, Stereo (close to CD-quality, large size)"),
              44100, 128, 0}}};
}

}  // namespace

OggPage::OggPage(Settings& settings, Desktop& desktop, QWidget* parent)
    : PresetPage(settings, OggLayout(), desktop, parent) {
    QStringList levels;
    std::vector<int> levelValues;
    for (int level = 10; level >= -1; --level) {
        levels << QString::number(level);
        levelValues.push_back(level);
    }
    AddModeRows(tr("Encodin&g mode:"), {tr("Bit rate"), tr("Quality (variable bit rate)")}, settings.OGGEncodingMode,
                tr("&Quality:"), levels, levelValues, settings.OGGQuality);
}

void OggPage::Apply() {
    PresetPage::Apply();
    if (autoRow()) return;
    settings_.OGGEncodingMode = ChosenMode();
    settings_.OGGQuality = ChosenLevel();
}

// The bit rate moved into what libvorbis allows at the rate and channel count; unchanged
// when either value is zero or the channels follow the source (radio 2).
void OggPage::Bound(EncodingChoice& choice) {
    if (choice.detail == 0 || choice.sampleRate == 0 || choice.channelRadio == 2) return;
    choice.detail = ClampVorbisBitrate(choice.detail, choice.sampleRate, choice.channelRadio == 0 ? 2 : 1);
}

}  // namespace tonewright
