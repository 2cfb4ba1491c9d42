#include "app/options/optionssheet.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/options/formatpages.h"
#include "app/options/generalpage.h"
#include "app/options/optionpage.h"
#include "app/options/optionvalues.h"
#include "settings/settings.h"

namespace tonewright {

OptionsSheet::OptionsSheet(Settings& settings, const PageServices& services, QWidget* parent)
    : QDialog(parent), settings_(settings), tabs_(new QTabWidget(this)) {
    setWindowTitle(QStringLiteral("Options"));
    // Every tab caption stays in view: the sheet is as wide as its tabs.
    tabs_->setUsesScrollButtons(false);
    const auto add = [this](std::unique_ptr<SheetPage> page, const QString& caption) {
        tabs_->addTab(page->page(), caption);
        pages_.push_back(std::move(page));
    };
    add(BindPage(CopyGeneralIn(settings), CopyGeneralOut,
                 [&](GeneralValues& values) { return new GeneralPage(values, services.desktop); }),
        QStringLiteral("General"));
    for (const FormatPageEntry& entry : FormatPages()) add(entry.make(settings, services), PageCaption(entry));

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

OptionPage* OptionsSheet::page(int index) const { return pages_[index]->page(); }

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
    for (const auto& page : pages_) page->page()->ApplyIfShown();
    for (const auto& page : pages_) page->CopyOut(settings_);
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
