#pragma once

#include <QDialog>

#include "settings/settings.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QSpinBox;

namespace tonewright {

// "Edit ID3 Tag": edits a copy of a format's tag template; tag() holds the edits after OK.
// The copyright field shows only where the format's tag carries one (withCopyright).
class TagEditDialog : public QDialog {
    Q_OBJECT
public:
    TagEditDialog(const TagTemplate& tag, bool withCopyright, QWidget* parent = nullptr);
    const TagTemplate& tag() const { return tag_; }
    void accept() override;

private:
    QLineEdit* AddField(QFormLayout* form, const QString& label, const std::string& text, const char* name);

    TagTemplate tag_;
    QButtonGroup* trackChoice_;
    QSpinBox* customTrack_;
    QCheckBox* titleAsFileName_;
    QLineEdit *title_, *artist_, *album_, *year_, *comment_, *composer_, *copyright_;
    QComboBox* genre_;
};

}  // namespace tonewright
