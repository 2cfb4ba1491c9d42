#pragma once

#include <QComboBox>

namespace tonewright {

// The output-format selector: " to MP3", " to WAV", ... in the program's order. M4A
// appears twice, as "AAC for iPod / iTunes" and as "M4A (MPEG-4 Audio)".
class FormatSelector : public QComboBox {
    Q_OBJECT
public:
    explicit FormatSelector(QWidget* parent);

    // Selects the row of the format code; when two rows share it the later one wins.
    // False, with nothing selected, when no row has the code.
    bool SelectCode(int code);
    // The code of the selected row, or the MP3 code when none is selected.
    int code() const;
};

}  // namespace tonewright
