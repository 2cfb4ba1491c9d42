#include "app/options/optionssheet.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QVBoxLayout>

#include "app/options/formatpages.h"
#include "app/options/generalpage.h"
#include "app/options/optionpage.h"

namespace tonewright {

namespace {

// A page in a scroll area that asks for the page's whole size, so the sheet opens as large
// as its pages where the screen has room, and scrolls them where it has not.
class PageScroller : public QScrollArea {
public:
    explicit PageScroller(OptionPage* page) {
        setWidget(page);
        setWidgetResizable(true);
        setFrameShape(QFrame::NoFrame);
    }

    QSize sizeHint() const override {
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        return widget()->sizeHint() + QSize(bar, bar);
    }
};

}  // namespace

OptionsSheet::OptionsSheet(Settings& settings, const PageServices& services, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      edited_(settings),
      tabs_(new QTabBar(this)),
      pages_(new QStackedWidget(this)) {
    setWindowTitle(tr("Options"));
    // A sheet narrower than its tabs scrolls them.
    tabs_->setUsesScrollButtons(true);
    tabs_->setExpanding(false);
    tabs_->setElideMode(Qt::ElideNone);
    tabs_->setDrawBase(false);
    pages_->setFrameShape(QFrame::StyledPanel);
    const auto addPage = [this](OptionPage* page, const QString& caption) {
        pages_->addWidget(new PageScroller(page));
        tabs_->addTab(caption);
    };
    addPage(new GeneralPage(edited_, services.desktop), tr("General"));
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
    FitScreen();
}

void OptionsSheet::FitScreen() {
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    // Room for the window frame the desktop adds around the sheet.
    const int frame = fontMetrics().height() * 3;
    resize(sizeHint().boundedTo(screen->availableGeometry().size() - QSize(frame, frame)));
}

int OptionsSheet::pageIndex() const { return pages_->currentIndex(); }

int OptionsSheet::pageCount() const { return pages_->count(); }

OptionPage* OptionsSheet::page(int index) const {
    return static_cast<OptionPage*>(static_cast<QScrollArea*>(pages_->widget(index))->widget());
}

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
