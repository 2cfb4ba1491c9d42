#include "app/options/mp3page.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QUrl>

#include "app/desktop.h"
#include "app/options/optionvalues.h"
#include "encoders/automaticencoding.h"
#include "encoders/mp3/mp3encoding.h"

namespace tonewright {

namespace {

PresetPageLayout Mp3Layout() {
    return {{kSampleRateTable.begin(), kSampleRateTable.end()},
            QStringLiteral("&Bit Rate:"),
            QStringLiteral("%1 kbps"),
            {kMp3BitrateTable.begin(), kMp3BitrateTable.end()},
            {QStringLiteral("&Joint Stereo"), QStringLiteral("&Stereo"), QStringLiteral("&Mono"),
             QStringLiteral("Same as &original file")},
            {{"11025 Hz, 16 kbps, Mono (low quality, smaller file size)", 11025, 16, 2},
             {"22050 Hz, 32 kbps, Joint Stereo (OK quality, small size)", 22050, 32, 0},
             {"32000 Hz, 96 kbps, Joint Stereo (medium quality, normal size)", 32000, 96, 0},
             {"44100Hz, 128 kbps, Joint Stereo (close to CD-quality, large size)", 44100, 128, 0}}};
}

QLabel* Link(QWidget* owner, Desktop& desktop, const char* url, const QString& text) {
    auto* label = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(QLatin1String(url), text.toHtmlEscaped()), owner);
    QObject::connect(label, &QLabel::linkActivated, owner, [&desktop](const QString& link) { desktop.Open(QUrl(link)); });
    return label;
}

}  // namespace

Mp3Page::Mp3Page(Mp3Values& values, Desktop& desktop, QWidget* parent)
    : PresetPage(values.encoding, Mp3Layout(), values.amplify, &values.tag, desktop, parent), values_(values) {
    auto* versions = new QGroupBox(QStringLiteral("Write ID3 tag as:"), this);
    auto* versionRow = new QHBoxLayout(versions);
    id3Version_ = AddRadios(versions, versionRow,
                            {QStringLiteral("ID3v&1"), QStringLiteral("ID3v&2"), QStringLiteral("I&D3v1 && ID3v2")},
                            values.id3Version);
    versionRow->addStretch();
    versions->setEnabled(values.tag.type != 2);
    connect(tagBlock(), &TagBlock::choiceChanged, versions, [versions](int choice) { versions->setEnabled(choice != 2); });

    auto* links = new QHBoxLayout;
    links->addWidget(Link(this, desktop, "https://wiki.hydrogenaud.io/index.php?title=Joint_stereo",
                          QStringLiteral("Joint Stereo vs. Stereo")));
    links->addStretch();
    links->addWidget(Link(this, desktop, "https://lame.sourceforge.io/",
                          QStringLiteral("The program uses LAME MP3 encoder.")));
    extras()->addLayout(links);
    extras()->addWidget(versions);
}

void Mp3Page::Apply() {
    PresetPage::Apply();
    values_.id3Version = id3Version_->checkedId();
}

void Mp3Page::AdjustAfterRateChange(EncodingChoice& choice) {
    choice.detail = Mp3BitrateForRate(choice.sampleRate, choice.detail);
}

void Mp3Page::AdjustAfterDetailChange(EncodingChoice& choice) {
    choice.sampleRate = Mp3RateForBitrate(choice.detail, choice.sampleRate);
}

}  // namespace tonewright
