#include "app/options/generalpage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <QUrl>
#include <QVBoxLayout>

#include "app/desktop.h"
#include "app/options/optionrules.h"
#include "engine/namepattern.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

QComboBox* ChoiceList(QWidget* owner, const char* name, const std::vector<std::pair<QString, int>>& rows, int& value) {
    auto* list = new QComboBox(owner);
    list->setObjectName(QLatin1String(name));
    for (const auto& [text, data] : rows) list->addItem(text, data);
    const int row = list->findData(value);
    list->setCurrentIndex(row >= 0 ? row : 0);
    value = SelectedValue(list);
    return list;
}

// The spin box with a hint at what its values mean on this computer.
QLayout* ParallelJobsRow(QSpinBox* jobs) {
    const int cores = QThread::idealThreadCount();
    auto* hint = new QLabel(QCoreApplication::translate("GeneralPage",
                                                        "(1 = one after the other; this computer has %1 processor %2)")
                                .arg(cores)
                                .arg(cores == 1 ? QCoreApplication::translate("GeneralPage", "core")
                                                : QCoreApplication::translate("GeneralPage", "cores")),
                            jobs->parentWidget());
    auto* row = new QHBoxLayout;
    row->addWidget(jobs);
    row->addWidget(hint);
    row->addStretch();
    return row;
}

}  // namespace

GeneralPage::GeneralPage(Settings& settings, Desktop& desktop, QWidget* parent)
    : OptionPage(settings, desktop, parent) {
    outputFolder_ = ChoiceList(this, "outputFolder",
                               {{tr("Same as original file"), kTargetsNextToSource},
                                {tr("A custom folder"), kTargetsInCustomFolder}},
                               settings.DestOutputFolderOpt);
    customFolder_ = new QLineEdit(QString::fromStdString(settings.DestSpecifiedFolder), this);
    customFolder_->setObjectName(QStringLiteral("customFolder"));
    browse_ = new QPushButton(tr("Bro&wse"), this);
    open_ = new QPushButton(tr("O&pen"), this);
    createDirs_ = new QCheckBox(tr("&Create folders according to path of original file"), this);
    createDirs_->setChecked(settings.CreateDirs != 0);
    createDirsExample_ = new QLabel(
        tr("For example: original file is \"/home/me/Music/pop/1.mp3\" and output folder is "
                       "\"/data/Output\". If the option is checked, the output folder will be "
                       "\"/data/Output/home/me/Music/pop\"."),
        this);
    createDirsExample_->setWordWrap(true);
    namePattern_ = new QLineEdit(QString::fromStdString(settings.NamePattern), this);
    namePattern_->setObjectName(QStringLiteral("namePattern"));
    namePattern_->setPlaceholderText(tr("Empty: the original file's name. E.g. %artist%/%album%/%track:2% %title%"));
    namePattern_->setToolTip(tr("The converted file's path below the output folder, from the original file's tags. "
                                "Fields: %1. %artist|title% takes the first that is not empty; %track:2% gives "
                                "at least two digits.")
                                 .arg(QString::fromStdString(NamePatternFieldList())));
    targetExists_ = ChoiceList(this, "targetExists",
                               {{tr("Auto rename (add number at end of file name)"), kRenameTarget},
                                {tr("Overwrite"), kOverwriteTarget},
                                {tr("Skip (not convert)"), kSkipTarget}},
                               settings.TargetExistsOpt);
    parallelJobs_ = new QSpinBox(this);
    parallelJobs_->setObjectName(QStringLiteral("parallelJobs"));
    parallelJobs_->setRange(1, kMaxParallelJobs);
    parallelJobs_->setValue(settings.ParallelJobs);
    documentsFallback_ = new QCheckBox(tr("Output files to M&y Documents if creating file failure"), this);
    documentsFallback_->setChecked(settings.OutputFiles2MyDocuments != 0);
    browseWhenDone_ = new QCheckBox(tr("&Browse output folder when conversion completes"), this);
    browseWhenDone_->setChecked(settings.BrowseOutputFolder != 0);
    surroundDownmix_ = new QCheckBox(
        tr("Mix &surround down to stereo or mono (centre and surrounds at -3 dB); else keep the front pair"), this);
    surroundDownmix_->setObjectName(QStringLiteral("surroundDownmix"));
    surroundDownmix_->setChecked(settings.SurroundDownmix != 0);
    ditherOnReduce_ = new QCheckBox(tr("&Dither when storing more than 16 bits in 16"), this);
    ditherOnReduce_->setObjectName(QStringLiteral("ditherOnReduce"));
    ditherOnReduce_->setChecked(settings.DitherOnReduce != 0);
    filterOn_ = new QCheckBox(
        tr("O&nly add the following file extensions for \"Add Folder\" and Drag/Drop"), this);
    filterOn_->setObjectName(QStringLiteral("filterOn"));
    filterOn_->setChecked(settings.EnableExtFilter != 0);
    filterText_ = new QLineEdit(QString::fromStdString(settings.FilterExts), this);
    filterText_->setObjectName(QStringLiteral("filterText"));
    filterText_->setEnabled(settings.EnableExtFilter != 0);

    auto* output = new QGroupBox(tr("Output"), this);
    auto* outputForm = new QFormLayout(output);
    outputForm->addRow(tr("&Output folder:"), outputFolder_);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(customFolder_, 1);
    folderRow->addWidget(browse_);
    folderRow->addWidget(open_);
    auto* folderLabel = new QLabel(tr("Custom &folder:"), output);
    folderLabel->setBuddy(customFolder_);
    outputForm->addRow(folderLabel, folderRow);
    outputForm->addRow(createDirs_);
    outputForm->addRow(createDirsExample_);
    auto* patternLabel = new QLabel(tr("Na&me pattern:"), output);
    patternLabel->setBuddy(namePattern_);
    outputForm->addRow(patternLabel, namePattern_);
    outputForm->addRow(tr("If target file &exists "), targetExists_);
    auto* jobsLabel = new QLabel(tr("Convert files &at once:"), output);
    jobsLabel->setBuddy(parallelJobs_);
    outputForm->addRow(jobsLabel, ParallelJobsRow(parallelJobs_));
    outputForm->addRow(documentsFallback_);
    outputForm->addRow(browseWhenDone_);

    auto* mono = new QGroupBox(tr("Mono output"), this);
    auto* monoLayout = new QVBoxLayout(mono);
    auto* monoIntro = new QLabel(tr("When converting to audio format, e.g. MP3, WAV, WMA, etc., if output "
                                                "channel is mono and original file is stereo, output sound equals to:"),
                                 mono);
    monoIntro->setWordWrap(true);
    auto* help = new QPushButton(QStringLiteral("?"), mono);
    help->setObjectName(QStringLiteral("monoHelp"));
    help->setFixedSize(help->sizeHint().height(), help->sizeHint().height());
    auto* introRow = new QHBoxLayout;
    introRow->addWidget(monoIntro, 1);
    introRow->addWidget(help, 0, Qt::AlignTop);
    monoLayout->addLayout(introRow);
    auto* monoRow = new QHBoxLayout;
    // In MonoPick order.
    monoType_ = AddRadios(
        this, monoRow, {tr("(L+R) / &2"), tr("&L channel"), tr("&R channel")},
        settings.MonoType);
    monoRow->addStretch();
    monoLayout->addLayout(monoRow);

    auto* wide = new QGroupBox(tr("Surround and high-resolution sources"), this);
    auto* wideLayout = new QVBoxLayout(wide);
    wideLayout->addWidget(surroundDownmix_);
    wideLayout->addWidget(ditherOnReduce_);

    auto* filter = new QGroupBox(tr("Extension filter"), this);
    auto* filterLayout = new QVBoxLayout(filter);
    filterLayout->addWidget(filterOn_);
    filterLayout->addWidget(filterText_);
    filterLayout->addWidget(new QLabel(
        tr("Note: use comma (,) to separate multiple extensions. For example: wav,mp3,m4a,aac"), filter));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(output);
    layout->addWidget(mono);
    layout->addWidget(wide);
    layout->addWidget(filter);
    layout->addStretch();

    EnableCustomFolder(settings.DestOutputFolderOpt == kTargetsInCustomFolder);
    connect(outputFolder_, &QComboBox::currentIndexChanged, this,
            [this] { EnableCustomFolder(SelectedValue(outputFolder_) == kTargetsInCustomFolder); });
    connect(browse_, &QPushButton::clicked, this, &GeneralPage::Browse);
    connect(open_, &QPushButton::clicked, this, &GeneralPage::OpenFolder);
    connect(help, &QPushButton::clicked, this, &GeneralPage::ExplainMono);
    connect(filterOn_, &QCheckBox::toggled, this, [this](bool on) {
        filterText_->setEnabled(on);
        if (on) filterText_->setFocus();
    });
}

void GeneralPage::EnableCustomFolder(bool on) {
    for (QWidget* control : std::initializer_list<QWidget*>{customFolder_, browse_, open_, createDirs_, createDirsExample_})
        control->setEnabled(on);
}

void GeneralPage::Browse() {
    const QString chosen = desktop_.ChooseFolder(this, tr("Please choose an output folder:"), customFolder_->text());
    if (chosen.isEmpty()) return;
    customFolder_->setText(chosen.endsWith(QLatin1Char('/')) ? chosen : chosen + QLatin1Char('/'));
}

void GeneralPage::OpenFolder() {
    const QString folder = customFolder_->text();
    if (!folder.isEmpty() && QDir(folder).exists()) {
        desktop_.Open(QUrl::fromLocalFile(folder));
        return;
    }
    desktop_.ShowMessage(this, Desktop::Icon::Warning,
                         tr("The folder \"%1\" doesn't exist yet.\n\nNote: the program will create the "
                                        "folder automatically when converting files.")
                             .arg(folder));
}

void GeneralPage::ExplainMono() {
    desktop_.ShowMessage(
        this, Desktop::Icon::Information,
        tr("In general, the output sound equals to \"(L+R)/2,\" which contains left and right channels.\n\n"
                       "\"L channel\" means the program outputs left channel of original stereo file. And \"R channel\" "
                       "means right channel. It's very useful when you want to convert a stereo file into two files "
                       "that contains left and right channels distinguishingly."));
}

bool GeneralPage::LeavePage() {
    if (SelectedValue(outputFolder_) == kTargetsInCustomFolder && customFolder_->text().isEmpty())
        return Refuse(customFolder_, tr("Please choose an output folder."));
    const std::string problem = NamePatternProblem(namePattern_->text().toStdString());
    if (!problem.empty())
        return Refuse(namePattern_, tr("The name pattern cannot be used: %1").arg(QString::fromStdString(problem)));
    filterText_->setText(QString::fromStdString(CleanFilterText(filterText_->text().toStdString())));
    if (filterOn_->isChecked() && filterText_->text().isEmpty())
        return Refuse(filterText_, tr("Please enter file extensions you need to filter."));
    return true;
}

void GeneralPage::Apply() {
    settings_.DestOutputFolderOpt = SelectedValue(outputFolder_);
    settings_.DestSpecifiedFolder = customFolder_->text().toStdString();
    settings_.CreateDirs = createDirs_->isChecked();
    settings_.TargetExistsOpt = SelectedValue(targetExists_);
    settings_.NamePattern = namePattern_->text().toStdString();
    settings_.ParallelJobs = parallelJobs_->value();
    settings_.OutputFiles2MyDocuments = documentsFallback_->isChecked();
    settings_.BrowseOutputFolder = browseWhenDone_->isChecked();
    settings_.MonoType = monoType_->checkedId();
    settings_.SurroundDownmix = surroundDownmix_->isChecked();
    settings_.DitherOnReduce = ditherOnReduce_->isChecked();
    settings_.EnableExtFilter = filterOn_->isChecked();
    settings_.FilterExts = filterText_->text().toStdString();
    RebuildExtensionFilter(settings_);
}

}  // namespace tonewright
