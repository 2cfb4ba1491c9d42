#include "app/mainwindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/qtbatchhost.h"
#include "engine/outputformat.h"
#include "engine/pathutil.h"

namespace tonewright {

namespace {

constexpr int kStatusColumn = 5;

struct Column {
    const char* header;
    int width;
    Qt::Alignment alignment;
};

const Column kColumns[] = {
    {"File", 152, Qt::AlignLeft},    {"Duration", 65, Qt::AlignRight}, {"Bit Rate", 65, Qt::AlignRight},
    {"Freq.", 65, Qt::AlignRight},   {"Channels", 60, Qt::AlignLeft},  {"Status", 145, Qt::AlignLeft},
};

struct SelectorRow {
    int code;
    const char* label;
};

// The output-format selector's rows in order; M4A appears twice under two labels.
const SelectorRow kSelectorRows[] = {
    {kOutputMp3, "MP3"},
    {kOutputWav, "WAV"},
    {kOutputWma, "WMA"},
    {kOutputOgg, "OGG"},
    {kOutputAac, "AAC"},
    {kOutputM4a, "AAC for iPod / iTunes"},
    {kOutputMp4, "MP4 (Audio only)"},
    {kOutputM4a, "M4A (MPEG-4 Audio)"},
    {kOutputM4b, "M4B (MPEG-4 Audiobook)"},
    {kOutputAmr, "AMR"},
    {kOutputAwb, "AWB"},
};

}  // namespace

MainWindow::MainWindow(std::unique_ptr<SettingsStore> store) : store_(std::move(store)) {
    setWindowTitle(QStringLiteral("Tonewright"));
    settings_ = DefaultSettings(DocumentsFolder());
    LoadSettings(settings_, *store_);

    list_ = new QTreeWidget(this);
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    QStringList headers;
    for (const Column& c : kColumns) headers << QString::fromLatin1(c.header);
    list_->setHeaderLabels(headers);
    for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
        list_->setColumnWidth(i, kColumns[i].width);
        list_->headerItem()->setTextAlignment(i, kColumns[i].alignment | Qt::AlignVCenter);
    }

    auto* addFiles = new QPushButton(QStringLiteral("&Add Files"), this);
    auto* convert = new QPushButton(QStringLiteral("&Convert"), this);
    formatSelector_ = new QComboBox(this);
    int selected = 0;
    for (const SelectorRow& row : kSelectorRows) {
        if (row.code == settings_.OutputFormat) selected = formatSelector_->count();
        formatSelector_->addItem(QStringLiteral(" to %1").arg(QString::fromLatin1(row.label)), row.code);
    }
    formatSelector_->setCurrentIndex(selected);
    connect(addFiles, &QPushButton::clicked, this, &MainWindow::OnAddFiles);
    connect(convert, &QPushButton::clicked, this, &MainWindow::OnConvert);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addFiles);
    buttons->addStretch();
    buttons->addWidget(formatSelector_);
    buttons->addWidget(convert);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    resize(699, 538);
}

MainWindow::~MainWindow() = default;

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
    QWidget::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    settings_.OutputFormat = formatSelector_->currentData().toInt();
    SaveSettings(settings_, *store_, kSaveWindowState);
    event->accept();
}

void MainWindow::OnAddFiles() {
    AddPaths(QFileDialog::getOpenFileNames(this, QString(), QString(), QStringLiteral("All Files (*)")));
}

void MainWindow::AddPaths(const QStringList& paths) {
    QStringList failed;
    for (const QString& path : paths) {
        std::string reason;
        const size_t before = files_.size();
        if (files_.AddFile(path.toStdString(), reason) == FileList::AddResult::Failed) failed << path;
        if (files_.size() > before) ShowFileInfo(files_[files_.size() - 1]);
    }
    if (!failed.isEmpty())
        QMessageBox::warning(this, QStringLiteral("Tonewright"),
                             QStringLiteral("Failed to load the following files.\n\n%1").arg(failed.join('\n')));
}

void MainWindow::ShowFileInfo(const FileEntry& entry) {
    auto* item = new QTreeWidgetItem(list_);
    const std::string texts[] = {LastPathComponent(entry.sourcePath), DurationText(entry), BitrateText(entry),
                                 FrequencyText(entry), ChannelsText(entry)};
    for (int i = 0; i < static_cast<int>(std::size(texts)); ++i) {
        item->setText(i, QString::fromStdString(texts[i]));
        item->setTextAlignment(i, kColumns[i].alignment | Qt::AlignVCenter);
    }
    list_->scrollToItem(item);
}

void MainWindow::OnConvert() {
    if (files_.empty()) {
        QMessageBox::information(this, QStringLiteral("Tonewright"), QStringLiteral("There aren't files in list."));
        return;
    }
    std::vector<FileEntry*> entries;
    std::vector<int> rows;
    for (size_t row = 0; row < files_.size(); ++row) {
        entries.push_back(&files_[row]);
        rows.push_back(static_cast<int>(row));
    }
    settings_.OutputFormat = formatSelector_->currentData().toInt();
    batch_.settings = &settings_;
    batch_.outputFormat = settings_.OutputFormat;
    QtBatchHost host(this, list_, kStatusColumn);
    ConvertBatch(entries, rows, batch_, host);
}

}  // namespace tonewright
