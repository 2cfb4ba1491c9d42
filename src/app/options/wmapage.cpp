#include "app/options/wmapage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "encoders/winmedia/wmaoutput.h"
#include "engine/outputformat.h"

namespace tonewright {

namespace {

const OutputFormatSettings& WmaGroup() { return FindOutputFormat(kOutputWma)->settings; }

}  // namespace

WmaPage::WmaPage(Settings& settings, const WmaFormatSource& formats, Desktop& desktop, QWidget* parent)
    : OptionPage(settings, desktop, parent),
      source_(formats),
      list_(new QComboBox(this)),
      tagBlock_(new TagBlock(settings, WmaGroup(), true, this)),
      amplify_(new AmplifyBlock(settings, WmaGroup(), this)) {
    list_->setObjectName(QStringLiteral("formats"));
    auto* form = new QFormLayout;
    form->addRow(tr("&Encoding Options: (Sample Frequency, Bit Rate, Channels)"), list_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(tagBlock_);
    layout->addWidget(amplify_);
    layout->addStretch();
}

// The runtime is looked for only when the page is first shown, as looking may ask the user.
void WmaPage::showEvent(QShowEvent* event) {
    if (!filled_) FillFormats();
    OptionPage::showEvent(event);
}

void WmaPage::FillFormats() {
    filled_ = true;
    list_->addItem(tr("Auto"));
    int selected = 0;
    const WmaFormatList list = source_ ? source_() : WmaFormatList{};
    for (const WmaFormat& format : list.entries) {
        if (format.bitRate < 1000) continue;
        formats_.push_back(format);
        list_->addItem(tr("%1 Hz, %2 kbps, %3")
                           .arg(format.sampleRate)
                           .arg(format.bitRate / 1000)
                           .arg(format.channels == 1 ? tr("Mono") : tr("Stereo")));
        if (settings_.AutoDestWMAEncodingParam != 1 && format.sampleRate == settings_.WMASampleRate &&
            format.bitRate / 1000 == settings_.WMABitRate / 1000 && format.channels == settings_.WMAChannels)
            selected = list_->count() - 1;
    }
    list_->setCurrentIndex(selected);
}

bool WmaPage::LeavePage() { return AcceptAmplify(*amplify_); }

void WmaPage::Apply() {
    const int row = list_->currentIndex();
    settings_.AutoDestWMAEncodingParam = row <= 0 ? 1 : 0;
    if (row > 0) {
        const WmaFormat& format = formats_[row - 1];
        settings_.WMASampleRate = format.sampleRate;
        settings_.WMABitRate = format.bitRate;
        settings_.WMAChannels = format.channels;
    }
    tagBlock_->Apply();
    amplify_->Apply();
}

}  // namespace tonewright
