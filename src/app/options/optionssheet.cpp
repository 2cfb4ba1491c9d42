#include "app/options/optionssheet.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include "app/options/formatpages.h"
#include "app/options/generalpage.h"
#include "app/options/optionpage.h"

namespace tonewright {

OptionsSheet::OptionsSheet(Settings& settings, const PageServices& services, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      edited_(settings),
      tabs_(new QTabBar(this)),
      pages_(new QStackedWidget(this)) {
    setWindowTitle(QStringLiteral("Options"));
    // Every tab caption stays in view: the sheet is as wide as its tabs.
    tabs_->setUsesScrollButtons(false);
    tabs_->setDrawBase(false);
    pages_->setFrameShape(QFrame::StyledPanel);
    const auto addPage = [this](OptionPage* page, const QString& caption) {
        pages_->addWidget(page);
        tabs_->addTab(caption);
    };
    addPage(new GeneralPage(edited_, services.desktop), QStringLiteral("General"));
    for (const FormatPageEntry& entry : FormatPages()) addPage(entry.make(edited_, services), PageCaption(entry));

    const int startPage = settings.OptStartPageIndex;
    if (startPage >= 0 && startPage < tabs_->count()) {
        tabs_->setCurrentIndex(startPage);
        pages_->setCurrentIndex(startPage);
    }
    connect(tabs_, &QTabBar::currentChanged, this, &OptionsSheet::SwitchedTo);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &OptionsSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &OptionsSheet::reject);
    auto* tabbed = new QVBoxLayout;
    tabbed->setSpacing(0);
    tabbed->addWidget(tabs_);
    tabbed->addWidget(pages_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tabbed);
    layout->addWidget(buttons);
}

int OptionsSheet::pageIndex() const { return pages_->currentIndex(); }

int OptionsSheet::pageCount() const { return pages_->count(); }

OptionPage* OptionsSheet::page(int index) const { return static_cast<OptionPage*>(pages_->widget(index)); }

// The page shown must agree to being left before another is shown; if it does not, it
// stays in view under its refusal and the tab goes back to it.
void OptionsSheet::SwitchedTo(int index) {
    if (returning_) return;
    if (!page(pageIndex())->LeavePage()) {
        returning_ = true;
        tabs_->setCurrentIndex(pageIndex());
        returning_ = false;
        page(pageIndex())->FocusRefusedControl();
        return;
    }
    pages_->setCurrentIndex(index);
}

void OptionsSheet::accept() {
    if (!page(pageIndex())->LeavePage()) return;
    for (int index = 0; index < pageCount(); ++index) page(index)->ApplyIfShown();
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
