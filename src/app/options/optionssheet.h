#pragma once

#include <QDialog>

#include "app/options/formatpages.h"
#include "settings/settings.h"

class QStackedWidget;
class QTabBar;

namespace tonewright {

class SettingsStore;

// The "Options" sheet: the General page and the format pages, with OK and Cancel. On a
// small screen or with large text the pages scroll and so do the tabs. The pages edit a copy of `settings`, which replaces them only when the sheet is closed with
// OK. It opens on the tab OptStartPageIndex names; pageIndex() is the tab that was
// active when it closed, whichever way.
class OptionsSheet : public QDialog {
    Q_OBJECT
public:
    OptionsSheet(Settings& settings, const PageServices& services, QWidget* parent = nullptr);

    int pageIndex() const;
    int pageCount() const;
    OptionPage* page(int index) const;
    QTabBar* tabBar() const { return tabs_; }
    void accept() override;

private:
    void SwitchedTo(int index);
    // As large as the pages ask, within the screen.
    void FitScreen();

    Settings& settings_;
    Settings edited_;
    QTabBar* tabs_;
    QStackedWidget* pages_;
    bool returning_ = false;
};

// The whole options command: runs the sheet, on OK saves the options; remembers the page
// in OptStartPageIndex either way.
void ShowOptions(Settings& settings, SettingsStore& store, Desktop& desktop, const WmaFormatSource& wmaFormats,
                 QWidget* parent);

}  // namespace tonewright
