#include "app/options/wavpage.h"

#include "base/speakerlayout.h"
#include "encoders/wav/wavoutput.h"
#include "engine/outputformat.h"

namespace tonewright {

namespace {

PresetPageLayout WavLayout() {
    return {kOutputWav,
            {&Settings::WAVSampleRate, &Settings::WAVBitsPerSample, &Settings::WAVChannelNum, ChannelCountRadio,
             ChannelCountFromRadio},
            {6000, 8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000, 88200, 96000},
            QT_TRANSLATE_NOOP("PresetPage", "&Bits:"),
            QT_TRANSLATE_NOOP("PresetPage", "%1 bits"),
            {8, 16, 24, kFloatBits},
            {QT_TRANSLATE_NOOP("PresetPage", "&Stereo"), QT_TRANSLATE_NOOP("PresetPage", "&Mono"),
             QT_TRANSLATE_NOOP("PresetPage", "Same as &original file")},
            {{QT_TRANSLATE_NOOP("PresetPage", "11025 Hz, 8 bits, Mono (low quality, smaller file size)"),
              11025, 8, 1},
             {QT_TRANSLATE_NOOP("PresetPage", "22050 Hz, 16 bits, Stereo (OK quality, small size)"),
              22050, 16, 0},
             {QT_TRANSLATE_NOOP("PresetPage", "32000 Hz, 16 bits, Stereo (medium quality, normal size)"),
              32000, 16, 0},
             {QT_TRANSLATE_NOOP("PresetPage", "44100Hz, 16 bits, Stereo (high quality, large size)"),
              44100, 16, 0}},
            {{kFloatBits, QT_TRANSLATE_NOOP("PresetPage", "32 bit float")}}};
}

}  // namespace

WavPage::WavPage(Settings& settings, Desktop& desktop, QWidget* parent)
    : PresetPage(settings, WavLayout(), desktop, parent) {}

}  // namespace tonewright
