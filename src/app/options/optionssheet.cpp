#include "app/options/optionssheet.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/options/aacpage.h"
#include "app/options/amrpage.h"
#include "app/options/generalpage.h"
#include "app/options/mp3page.h"
#include "app/options/oggpage.h"
#include "app/options/wavpage.h"
#include "app/options/wmapage.h"
#include "settings/settings.h"

namespace tonewright {

OptionsSheet::OptionsSheet(OptionValues& values, int startPage, Desktop& desktop, const WmaFormatSource& wmaFormats,
                           QWidget* parent)
    : QDialog(parent), values_(values), edited_(values), tabs_(new QTabWidget(this)) {
    setWindowTitle(QStringLiteral("Options"));
    // Every tab caption stays in view: the sheet is as wide as its tabs.
    tabs_->setUsesScrollButtons(false);
    const auto add = [this](OptionPage* page, const QString& caption) {
        pages_.push_back(page);
        tabs_->addTab(page, caption);
    };
    add(new GeneralPage(edited_.general, desktop), QStringLiteral("General"));
    add(new Mp3Page(edited_.mp3, desktop), QStringLiteral("MP3 Options"));
    add(new WavPage(edited_.wav, desktop), QStringLiteral("WAV Options"));
    add(new WmaPage(edited_.wma, wmaFormats, desktop), QStringLiteral("WMA Options"));
    add(new OggPage(edited_.ogg, desktop), QStringLiteral("OGG Options"));
    add(new AmrPage(edited_.amr, desktop), QStringLiteral("AMR/AWB Options"));
    add(new AacPage(edited_.aac, AacPage::Container::Adts, desktop), QStringLiteral("AAC Options"));
    add(new AacPage(edited_.m4a, AacPage::Container::Mp4, desktop), QStringLiteral("MP4/M4A/M4B Options"));

    if (startPage >= 0 && startPage < tabs_->count()) tabs_->setCurrentIndex(startPage);
    current_ = tabs_->currentIndex();
    connect(tabs_, &QTabWidget::currentChanged, this, &OptionsSheet::SwitchedTo);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &OptionsSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &OptionsSheet::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
}

int OptionsSheet::pageIndex() const { return tabs_->currentIndex(); }

// The page left must agree to being left; if it does not, the sheet goes back to it.
void OptionsSheet::SwitchedTo(int index) {
    if (returning_) return;
    if (!pages_[current_]->LeavePage()) {
        returning_ = true;
        tabs_->setCurrentIndex(current_);
        returning_ = false;
        pages_[current_]->FocusRefusedControl();
        return;
    }
    current_ = index;
}

void OptionsSheet::accept() {
    if (!pages_[current_]->LeavePage()) return;
    for (OptionPage* page : pages_) page->ApplyIfShown();
    values_ = edited_;
    QDialog::accept();
}

void ShowOptions(Settings& settings, SettingsStore& store, Desktop& desktop, const WmaFormatSource& wmaFormats,
                 QWidget* parent) {
    OptionValues values = CopyOptionsIn(settings);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    OptionsSheet sheet(values, settings.OptStartPageIndex, desktop, wmaFormats, parent);
    QApplication::restoreOverrideCursor();
    if (sheet.exec() == QDialog::Accepted) {
        CopyOptionsOut(values, settings);
        SaveSettings(settings, store, kSaveOptions);
    }
    settings.OptStartPageIndex = sheet.pageIndex();
}

}  // namespace tonewright
