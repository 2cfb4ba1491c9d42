#pragma once

#include <QGroupBox>
#include <QSpinBox>
#include <QString>
#include <QWidget>

#include <vector>

class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QPushButton;

namespace tonewright {

class AmplifyBlock;
class Desktop;
struct OutputFormatSettings;
struct Settings;
struct TagTemplate;

// One page of the options sheet, editing the sheet's copy of the settings. The sheet asks
// the active page whether it may be left (when the user switches pages and on OK) and, on
// OK, lets every page that was shown write its controls into that copy; a page never shown
// leaves it as it was.
class OptionPage : public QWidget {
    Q_OBJECT
public:
    OptionPage(Settings& settings, Desktop& desktop, QWidget* parent = nullptr);

    // False keeps the user on the page; a message has said why.
    virtual bool LeavePage() { return true; }
    void ApplyIfShown();
    // Gives the focus to the control a refused leave-page check named.
    void FocusRefusedControl();

protected:
    virtual void Apply() = 0;
    void showEvent(QShowEvent* event) override;
    // Shows `text` with the exclamation icon, remembers `control` for the focus, returns false.
    bool Refuse(QWidget* control, const QString& text);
    // Refuses an invalid amplification coefficient; true when it is fine.
    bool AcceptAmplify(const AmplifyBlock& block);

    Settings& settings_;
    Desktop& desktop_;

private:
    bool shown_ = false;
    QWidget* refusedControl_ = nullptr;
};

// A spin box that takes any whole number typed in (so that a leave-page check can refuse
// it with a message) while its arrows stay within [stepMinimum, stepMaximum].
class RangeSpinBox : public QSpinBox {
    Q_OBJECT
public:
    RangeSpinBox(int stepMinimum, int stepMaximum, QWidget* parent = nullptr);
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int stepMinimum_, stepMaximum_;
};

// The "Volume" box: "&Amplify / Reduce sound" with its coefficient in percent, of the
// settings group `group`.
class AmplifyBlock : public QGroupBox {
    Q_OBJECT
public:
    AmplifyBlock(Settings& settings, const OutputFormatSettings& group, QWidget* parent = nullptr);
    // Writes the controls into the settings.
    void Apply() const;
    // True while amplification is on with a coefficient outside 10..3000.
    bool InvalidCoefficient() const;
    QCheckBox* check() const { return check_; }
    RangeSpinBox* coefficient() const { return coefficient_; }

private:
    int& on_;
    int& coefficientPercent_;
    QCheckBox* check_;
    RangeSpinBox* coefficient_;
};

// The tag choice of a tagged format's settings group and its "Edit ID3 &tag" button, which
// edits the group's tag template at once, and with the transfer the choice of the folder's
// cover picture. That choice belongs to every format: it is written as soon as it changes
// and shown afresh whenever the block is, so that every page shows the same.
class TagBlock : public QGroupBox {
    Q_OBJECT
public:
    TagBlock(Settings& settings, const OutputFormatSettings& group, bool withCopyright, QWidget* parent = nullptr);
    // Writes the tag choice into the settings.
    void Apply() const;
    int choice() const;

signals:
    void choiceChanged(int choice);

private:
    void EditTag();
    void showEvent(QShowEvent* event) override;

    int& mode_;
    int& coverFromFolder_;
    TagTemplate& tag_;
    bool withCopyright_;
    QButtonGroup* choices_;
    QPushButton* edit_;
    QCheckBox* folderCover_;
};

extern const char kInvalidAmplifyMessage[];

// A list of numbered rows ("%1 Hz", "%1 kbps") ending with "Same as original file" (0).
void FillValueList(QComboBox* list, const std::vector<int>& values, const QString& rowFormat, bool withSameAsSource = true);
// Selects the row carrying `value`, or the first row; returns the selected value.
int SelectValue(QComboBox* list, int value);
int SelectedValue(const QComboBox* list);

// Lays out a page of one form (the FLAC and Opus pages): the form, a wrapped note under it,
// the tag block and the volume block.
void LayOutFormPage(QWidget* page, QFormLayout* form, const QString& note, TagBlock* tags, AmplifyBlock* amplify);

// Radios in a group, numbered in order, the one of `checked` on.
QButtonGroup* AddRadios(QWidget* owner, QBoxLayout* layout, const QStringList& texts, int checked);

}  // namespace tonewright
