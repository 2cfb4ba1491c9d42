#include "app/options/oggpage.h"

#include "app/options/optionvalues.h"
#include "encoders/automaticencoding.h"
#include "encoders/vorbis/vorbisencoding.h"

namespace tonewright {

namespace {

PresetPageLayout OggLayout() {
    return {{kSampleRateTable.begin(), kSampleRateTable.end()},
            QStringLiteral("&Bit Rate:"),
            QStringLiteral("%1 kbps"),
            {kVorbisBitrateTable.begin(), kVorbisBitrateTable.end()},
            {QStringLiteral("&Stereo"), QStringLiteral("&Mono"), QStringLiteral("Same as &original file")},
            {{"11025 Hz, 16 kbps, Mono (low quality, smaller size)", 11025, 16, 1},
             {"22050 Hz, 32 kbps, Stereo (OK quality, small size)", 22050, 32, 0},
             {"32000 Hz, 96 kbps, Stereo (medium quality, normal size)", 32000, 96, 0},
             {"44100Hz, 128 kbps, Stereo (close to CD-quality, large size)", 44100, 128, 0}}};
}

}  // namespace

OggPage::OggPage(OggValues& values, Desktop& desktop, QWidget* parent)
    : PresetPage(values.encoding, OggLayout(), values.amplify, &values.tag, desktop, parent) {}

void OggPage::Bound(EncodingChoice& choice) {
    choice.detail = OggBoundedBitrate(choice.detail, choice.sampleRate, choice.channelRadio);
}

}  // namespace tonewright
