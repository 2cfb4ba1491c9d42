#include "app/options/amrpage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "encoders/amr/amroutput.h"
#include "engine/outputformat.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

const QStringList kNarrowBandRates = {QStringLiteral("4.75 kbps"), QStringLiteral("5.15kbps"), QStringLiteral("5.9 kbps"),
                                      QStringLiteral("6.7 kbps"),  QStringLiteral("7.4 kbps"),  QStringLiteral("7.95 kbps"),
                                      QStringLiteral("10.2 kbps"), QStringLiteral("12.2 kbps")};
const char* const kWideBandRates[] = {"6.60", "8.85", "12.65", "14.25", "15.85", "18.25", "19.85", "23.05", "23.85"};

// A mode list whose rows carry their index; a stored mode that is no row selects the fifth.
QComboBox* ModeList(QWidget* owner, const char* name, const QStringList& rows, int mode) {
    auto* list = new QComboBox(owner);
    list->setObjectName(QLatin1String(name));
    list->addItems(rows);
    list->setCurrentIndex(mode >= 0 && mode < list->count() ? mode : 4);
    return list;
}

QStringList WideBandRows() {
    QStringList rows;
    for (const char* rate : kWideBandRates) rows << QLatin1String(rate) + QStringLiteral(" kbps");
    return rows;
}

}  // namespace

AmrPage::AmrPage(Settings& settings, Desktop& desktop, QWidget* parent)
    : OptionPage(settings, desktop, parent),
      band_(new QButtonGroup(this)),
      nbModes_(ModeList(this, "nbModes", kNarrowBandRates, settings.AMRMode)),
      wbModes_(ModeList(this, "wbModes", WideBandRows(), settings.AMRWBMode)),
      awbModes_(ModeList(this, "awbModes", WideBandRows(), settings.AWBMode)),
      nbDtx_(new QCheckBox(tr("&Enable DTX (Discontinuous Transmission)"), this)),
      awbDtx_(new QCheckBox(tr("Enable &DTX (Discontinuous Transmission)"), this)),
      amplify_(new AmplifyBlock(settings, FindOutputFormat(kOutputAmr)->settings, this)) {
    auto* amr = new QGroupBox(tr("AMR Encoding Parameters"), this);
    auto* amrGrid = new QGridLayout(amr);
    auto* narrow = new QRadioButton(tr("NB (Narrow Band, 8000 Hz)"), amr);
    auto* wide = new QRadioButton(tr("WB (Wide Band, 16000 Hz)"), amr);
    band_->addButton(narrow, 0);
    band_->addButton(wide, 1);
    (settings.AMRType == 1 ? wide : narrow)->setChecked(true);
    amrGrid->addWidget(narrow, 0, 0);
    amrGrid->addWidget(nbModes_, 0, 1);
    amrGrid->addWidget(wide, 1, 0);
    amrGrid->addWidget(wbModes_, 1, 1);
    amrGrid->addWidget(nbDtx_, 2, 0, 1, 2);
    amrGrid->setColumnStretch(2, 1);
    nbDtx_->setChecked(settings.AMRDTX != 0);

    auto* awb = new QGroupBox(tr("AWB Encoding Parameters"), this);
    auto* awbGrid = new QGridLayout(awb);
    awbGrid->addWidget(new QLabel(tr("Sample Frequency: 16000 Hz"), awb), 0, 0, 1, 2);
    auto* awbLabel = new QLabel(tr("Bit &Rate:"), awb);
    awbLabel->setBuddy(awbModes_);
    awbGrid->addWidget(awbLabel, 1, 0);
    awbGrid->addWidget(awbModes_, 1, 1);
    awbGrid->addWidget(awbDtx_, 2, 0, 1, 2);
    awbGrid->setColumnStretch(2, 1);
    awbDtx_->setChecked(settings.AWBDTX != 0);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(amr);
    layout->addWidget(awb);
    layout->addWidget(amplify_);
    layout->addStretch();

    EnableBandList(band_->checkedId());
    connect(band_, &QButtonGroup::idClicked, this, &AmrPage::EnableBandList);
}

void AmrPage::EnableBandList(int band) {
    nbModes_->setEnabled(band == 0);
    wbModes_->setEnabled(band == 1);
}

bool AmrPage::LeavePage() {
    return AcceptAmplify(*amplify_);
}

void AmrPage::Apply() {
    settings_.AMRType = band_->checkedId();
    settings_.AMRMode = nbModes_->currentIndex();
    settings_.AMRWBMode = wbModes_->currentIndex();
    settings_.AMRDTX = nbDtx_->isChecked();
    settings_.AWBMode = awbModes_->currentIndex();
    settings_.AWBDTX = awbDtx_->isChecked();
    amplify_->Apply();
}

}  // namespace tonewright
