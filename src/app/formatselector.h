#pragma once

#include <QComboBox>

namespace tonewright {

// The output-format selector: " to <label>" for every selector label of the format
// registry, in the selector order the registry gives. A format may have several rows.
class FormatSelector : public QComboBox {
    Q_OBJECT
public:
    explicit FormatSelector(QWidget* parent);

    // Selects the row of the format code; when two rows share it the later one wins.
    // False, with nothing selected, when no row has the code.
    bool SelectCode(int code);
    // The code of the selected row, or the first row's when none is selected.
    int code() const;
};

}  // namespace tonewright
