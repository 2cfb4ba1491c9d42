#include "app/options/wmapage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "encoders/winmedia/wmaoutput.h"
#include "engine/outputformat.h"

namespace tonewright {

WmaValues CopyWmaIn(const Settings& settings) {
    WmaValues values;
    CopyFormatIn(settings, kOutputWma, values);
    values.sampleRate = settings.WMASampleRate;
    values.bitRate = settings.WMABitRate;
    values.channels = settings.WMAChannels;
    return values;
}

void CopyWmaOut(const WmaValues& values, Settings& settings) {
    CopyFormatOut(values, kOutputWma, settings);
    if (values.autoParams) return;
    settings.WMASampleRate = values.sampleRate;
    settings.WMABitRate = values.bitRate;
    settings.WMAChannels = values.channels;
}

WmaPage::WmaPage(WmaValues& values, const WmaFormatSource& formats, Desktop& desktop, QWidget* parent)
    : OptionPage(desktop, parent),
      values_(values),
      source_(formats),
      list_(new QComboBox(this)),
      tagBlock_(new TagBlock(values.tag, true, this)),
      amplify_(new AmplifyBlock(values.amplify, this)) {
    list_->setObjectName(QStringLiteral("formats"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Encoding Options: (Sample Frequency, Bit Rate, Channels)"), list_);
    auto* volume = new QGroupBox(QStringLiteral("Volume"), this);
    (new QVBoxLayout(volume))->addWidget(amplify_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(tagBlock_);
    layout->addWidget(volume);
    layout->addStretch();
}

// The runtime is looked for only when the page is first shown, as looking may ask the user.
void WmaPage::showEvent(QShowEvent* event) {
    if (!filled_) FillFormats();
    OptionPage::showEvent(event);
}

void WmaPage::FillFormats() {
    filled_ = true;
    list_->addItem(QStringLiteral("Auto"));
    int selected = 0;
    const WmaFormatList list = source_ ? source_() : WmaFormatList{};
    for (const WmaFormat& format : list.entries) {
        if (format.bitRate < 1000) continue;
        formats_.push_back(format);
        list_->addItem(QStringLiteral("%1 Hz, %2 kbps, %3")
                           .arg(format.sampleRate)
                           .arg(format.bitRate / 1000)
                           .arg(format.channels == 1 ? QStringLiteral("Mono") : QStringLiteral("Stereo")));
        if (!values_.autoParams && format.sampleRate == values_.sampleRate &&
            format.bitRate / 1000 == values_.bitRate / 1000 && format.channels == values_.channels)
            selected = list_->count() - 1;
    }
    list_->setCurrentIndex(selected);
}

bool WmaPage::LeavePage() { return AcceptAmplify(*amplify_); }

void WmaPage::Apply() {
    const int row = list_->currentIndex();
    values_.autoParams = row <= 0;
    if (row > 0) {
        const WmaFormat& format = formats_[row - 1];
        values_.sampleRate = format.sampleRate;
        values_.bitRate = format.bitRate;
        values_.channels = format.channels;
    }
    tagBlock_->Read(values_.tag);
    amplify_->Read(values_.amplify);
}

}  // namespace tonewright
