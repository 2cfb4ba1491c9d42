#include "app/options/optionpage.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

#include "app/desktop.h"
#include "app/options/optionrules.h"
#include "app/options/tageditdialog.h"
#include "engine/outputformat.h"

namespace tonewright {

const char kInvalidAmplifyMessage[] =
    QT_TRANSLATE_NOOP("OptionPage", "Invalid amplification coefficient. It's betwen 10 and 3000.");

OptionPage::OptionPage(Settings& settings, Desktop& desktop, QWidget* parent)
    : QWidget(parent), settings_(settings), desktop_(desktop) {}

void OptionPage::ApplyIfShown() {
    if (shown_) Apply();
}

void OptionPage::FocusRefusedControl() {
    if (refusedControl_) refusedControl_->setFocus();
}

void OptionPage::showEvent(QShowEvent* event) {
    shown_ = true;
    QWidget::showEvent(event);
}

bool OptionPage::Refuse(QWidget* control, const QString& text) {
    desktop_.ShowMessage(this, Desktop::Icon::Warning, text);
    refusedControl_ = control;
    control->setFocus();
    return false;
}

bool OptionPage::AcceptAmplify(const AmplifyBlock& block) {
    if (!block.InvalidCoefficient()) return true;
    return Refuse(block.coefficient(), QCoreApplication::translate("OptionPage", kInvalidAmplifyMessage));
}

RangeSpinBox::RangeSpinBox(int stepMinimum, int stepMaximum, QWidget* parent)
    : QSpinBox(parent), stepMinimum_(stepMinimum), stepMaximum_(stepMaximum) {
    setRange(0, 999999);
}

void RangeSpinBox::stepBy(int steps) {
    setValue(std::clamp(value() + steps * singleStep(), stepMinimum_, stepMaximum_));
}

QAbstractSpinBox::StepEnabled RangeSpinBox::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (value() > stepMinimum_) enabled |= StepDownEnabled;
    if (value() < stepMaximum_) enabled |= StepUpEnabled;
    return enabled;
}

AmplifyBlock::AmplifyBlock(Settings& settings, const OutputFormatSettings& group, QWidget* parent)
    : QGroupBox(tr("Volume"), parent),
      on_(settings.*group.amplify),
      coefficientPercent_(settings.*group.amplifyCoeff),
      check_(new QCheckBox(tr("&Amplify / Reduce sound"), this)),
      coefficient_(new RangeSpinBox(kMinAmplifyCoeff, kMaxAmplifyCoeff, this)) {
    check_->setObjectName(QStringLiteral("amplify"));
    coefficient_->setObjectName(QStringLiteral("amplifyCoefficient"));
    check_->setChecked(on_ != 0);
    coefficient_->setValue(coefficientPercent_);
    coefficient_->setSuffix(QStringLiteral(" %"));
    coefficient_->setEnabled(on_ != 0);
    auto* label = new QLabel(tr("&Coefficient:"), this);
    label->setBuddy(coefficient_);
    auto* legend = new QLabel(tr("< 100% - Reduce sound\n= 100% - No changes\n> 100% - Amplify sound"), this);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(coefficient_);
    row->addStretch();
    auto* column = new QVBoxLayout;
    column->addWidget(check_);
    column->addLayout(row);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(column);
    layout->addWidget(legend);
    layout->addStretch();

    connect(check_, &QCheckBox::toggled, this, [this](bool on) {
        coefficient_->setEnabled(on);
        if (on) coefficient_->setFocus();
    });
}

void AmplifyBlock::Apply() const {
    on_ = check_->isChecked() ? 1 : 0;
    coefficientPercent_ = coefficient_->value();
}

bool AmplifyBlock::InvalidCoefficient() const {
    return check_->isChecked() && (coefficient_->value() < kMinAmplifyCoeff || coefficient_->value() > kMaxAmplifyCoeff);
}

TagBlock::TagBlock(Settings& settings, const OutputFormatSettings& group, bool withCopyright, QWidget* parent)
    : QGroupBox(tr("Tag"), parent),
      mode_(settings.*group.tagMode),
      coverFromFolder_(settings.CoverFromFolder),
      tag_(settings.*group.tagTemplate.member),
      withCopyright_(withCopyright),
      edit_(new QPushButton(tr("Edit ID3 &tag"), this)),
      folderCover_(new QCheckBox(tr("Use the &folder's cover picture when the source has none"), this)) {
    auto* layout = new QHBoxLayout(this);
    auto* radios = new QVBoxLayout;
    // In TagMode order.
    choices_ = AddRadios(this, radios,
                         {tr("Add &ID3 tag"), tr("T&ransfer ID3 tag from source file"),
                          tr("&None")},
                         mode_);
    // Below the transfer choice it belongs to, indented.
    constexpr int kIndent = 24;
    auto* coverRow = new QHBoxLayout;
    coverRow->addSpacing(kIndent);
    coverRow->addWidget(folderCover_);
    radios->insertLayout(kTagFromSource + 1, coverRow);
    layout->addLayout(radios);
    layout->addWidget(edit_, 0, Qt::AlignTop);
    layout->addStretch();
    edit_->setObjectName(QStringLiteral("editTag"));
    edit_->setEnabled(mode_ == kTagFromTemplate);
    folderCover_->setObjectName(QStringLiteral("folderCover"));
    folderCover_->setToolTip(tr("cover.jpg, cover.png, folder.jpg or front.jpg beside the source"));
    folderCover_->setChecked(coverFromFolder_ != 0);
    folderCover_->setEnabled(mode_ == kTagFromSource);
    connect(folderCover_, &QCheckBox::toggled, this, [this](bool on) { coverFromFolder_ = on ? 1 : 0; });
    connect(choices_, &QButtonGroup::idClicked, this, [this](int choice) {
        edit_->setEnabled(choice == kTagFromTemplate);
        folderCover_->setEnabled(choice == kTagFromSource);
        emit choiceChanged(choice);
    });
    connect(edit_, &QPushButton::clicked, this, &TagBlock::EditTag);
}

void TagBlock::showEvent(QShowEvent* event) {
    folderCover_->setChecked(coverFromFolder_ != 0);
    QGroupBox::showEvent(event);
}

int TagBlock::choice() const { return choices_->checkedId(); }

void TagBlock::Apply() const { mode_ = choice(); }

void TagBlock::EditTag() {
    TagEditDialog dialog(tag_, withCopyright_, this);
    if (dialog.exec() == QDialog::Accepted) tag_ = dialog.tag();
}

void FillValueList(QComboBox* list, const std::vector<int>& values, const QString& rowFormat, bool withSameAsSource) {
    for (int value : values) list->addItem(rowFormat.arg(value), value);
    if (withSameAsSource) list->addItem(QCoreApplication::translate("OptionPage", "Same as original file"), 0);
}

void LayOutFormPage(QWidget* page, QFormLayout* form, const QString& note, TagBlock* tags, AmplifyBlock* amplify) {
    auto* noteLabel = new QLabel(note, page);
    noteLabel->setWordWrap(true);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addWidget(noteLabel);
    layout->addWidget(tags);
    layout->addWidget(amplify);
    layout->addStretch();
}

int SelectValue(QComboBox* list, int value) {
    const int row = list->findData(value);
    list->setCurrentIndex(row >= 0 ? row : 0);
    return SelectedValue(list);
}

int SelectedValue(const QComboBox* list) { return list->currentData().toInt(); }

QButtonGroup* AddRadios(QWidget* owner, QBoxLayout* layout, const QStringList& texts, int checked) {
    auto* group = new QButtonGroup(owner);
    for (int i = 0; i < texts.size(); ++i) {
        auto* radio = new QRadioButton(texts[i], owner);
        group->addButton(radio, i);
        layout->addWidget(radio);
        radio->setChecked(i == checked);
    }
    return group;
}

}  // namespace tonewright
