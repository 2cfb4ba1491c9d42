#pragma once

#include <QDialog>

#include <vector>

#include "app/options/optionvalues.h"
#include "app/options/wmapage.h"

class QTabWidget;

namespace tonewright {

class Desktop;
class OptionPage;
class SettingsStore;

// The "Options" sheet: the General page and one page per output format, with OK and
// Cancel. It edits `values` only when closed with OK. pageIndex() is the page that was
// active when it closed, whichever way.
class OptionsSheet : public QDialog {
    Q_OBJECT
public:
    OptionsSheet(OptionValues& values, int startPage, Desktop& desktop, const WmaFormatSource& wmaFormats,
                 QWidget* parent = nullptr);

    int pageIndex() const;
    void accept() override;

private:
    void SwitchedTo(int index);

    OptionValues& values_;
    OptionValues edited_;
    QTabWidget* tabs_;
    std::vector<OptionPage*> pages_;
    int current_ = 0;
    bool returning_ = false;
};

// The whole options command: copies the settings into the sheet, runs it, on OK copies
// them back and saves the options; remembers the page in OptStartPageIndex either way.
void ShowOptions(Settings& settings, SettingsStore& store, Desktop& desktop, const WmaFormatSource& wmaFormats,
                 QWidget* parent);

}  // namespace tonewright
