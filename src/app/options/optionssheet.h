#pragma once

#include <QDialog>

#include <memory>
#include <vector>

#include "app/options/sheetpage.h"

class QTabWidget;

namespace tonewright {

class SettingsStore;

// The "Options" sheet: the General page and the format pages, with OK and Cancel. The
// pages edit copies of `settings`, which they write back only when the sheet is closed
// with OK. It opens on the tab OptStartPageIndex names; pageIndex() is the tab that was
// active when it closed, whichever way.
class OptionsSheet : public QDialog {
    Q_OBJECT
public:
    OptionsSheet(Settings& settings, const PageServices& services, QWidget* parent = nullptr);

    int pageIndex() const;
    void accept() override;

private:
    void SwitchedTo(int index);
    OptionPage* page(int index) const;

    Settings& settings_;
    QTabWidget* tabs_;
    std::vector<std::unique_ptr<SheetPage>> pages_;
    int current_ = 0;
    bool returning_ = false;
};

// The whole options command: runs the sheet, on OK saves the options; remembers the page
// in OptStartPageIndex either way.
void ShowOptions(Settings& settings, SettingsStore& store, Desktop& desktop, const WmaFormatSource& wmaFormats,
                 QWidget* parent);

}  // namespace tonewright
