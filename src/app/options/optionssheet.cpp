#include "app/options/optionssheet.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/options/formatpages.h"
#include "app/options/generalpage.h"
#include "app/options/optionpage.h"

namespace tonewright {

OptionsSheet::OptionsSheet(Settings& settings, const PageServices& services, QWidget* parent)
    : QDialog(parent), settings_(settings), edited_(settings), tabs_(new QTabWidget(this)) {
    setWindowTitle(QStringLiteral("Options"));
    // Every tab caption stays in view: the sheet is as wide as its tabs.
    tabs_->setUsesScrollButtons(false);
    tabs_->addTab(new GeneralPage(edited_, services.desktop), QStringLiteral("General"));
    for (const FormatPageEntry& entry : FormatPages()) tabs_->addTab(entry.make(edited_, services), PageCaption(entry));

    const int startPage = settings.OptStartPageIndex;
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

OptionPage* OptionsSheet::page(int index) const { return static_cast<OptionPage*>(tabs_->widget(index)); }

// The page left must agree to being left; if it does not, the sheet goes back to it.
void OptionsSheet::SwitchedTo(int index) {
    if (returning_) return;
    if (!page(current_)->LeavePage()) {
        returning_ = true;
        tabs_->setCurrentIndex(current_);
        returning_ = false;
        page(current_)->FocusRefusedControl();
        return;
    }
    current_ = index;
}

void OptionsSheet::accept() {
    if (!page(current_)->LeavePage()) return;
    for (int index = 0; index < tabs_->count(); ++index) page(index)->ApplyIfShown();
    settings_ = edited_;
    QDialog::accept();
}

void ShowOptions(Settings& settings, SettingsStore& store, Desktop& desktop, const WmaFormatSource& wmaFormats,
                 QWidget* parent) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    OptionsSheet sheet(settings, {desktop, wmaFormats}, parent);
    QApplication::restoreOverrideCursor();
    if (sheet.exec() == QDialog::Accepted) SaveSettings(settings, store, kSaveOptions);
    settings.OptStartPageIndex = sheet.pageIndex();
}

}  // namespace tonewright
