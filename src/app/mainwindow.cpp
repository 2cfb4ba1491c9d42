#include "app/mainwindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>
#include <QVBoxLayout>

#include "app/closekeys.h"
#include "app/desktop.h"
#include "app/filelistwidget.h"
#include "app/fileloader.h"
#include "app/formatselector.h"
#include "app/openfilters.h"
#include "app/options/optionssheet.h"
#include "app/qtbatchhost.h"
#include "app/weblinks.h"
#include "app/windowplacement.h"
#include "app/wrappingrow.h"
#include "base/pathutil.h"
#include "engine/batch.h"
#include "settings/settingsstore.h"

namespace tonewright {

namespace {

const char* const kSelectFirst = QT_TRANSLATE_NOOP("tonewright::MainWindow", "You should select a file at least.");
const char* const kListEmpty = QT_TRANSLATE_NOOP("tonewright::MainWindow", "There aren't files in list.");

// What a command of the list's context menu needs before it is enabled.
enum class Needs { Nothing, Rows, Selection, OneRow, OneConvertedRow };

struct ListCommand {
    const char* text;  // null: a separator
    void (MainWindow::*run)();
    Needs needs;
};

const ListCommand kListMenu[] = {
    {QT_TRANSLATE_NOOP("tonewright::MainWindow", "&Play Source"), &MainWindow::PlaySource, Needs::OneRow},
    {QT_TRANSLATE_NOOP("tonewright::MainWindow", "Play &Destination"), &MainWindow::PlayDestination,
     Needs::OneConvertedRow},
    {nullptr, nullptr, Needs::Nothing},
    {QT_TRANSLATE_NOOP("tonewright::MainWindow", "&Convert Selected"), &MainWindow::ConvertSelected, Needs::Selection},
    {QT_TRANSLATE_NOOP("tonewright::MainWindow", "Convert All"), &MainWindow::ConvertAll, Needs::Rows},
    {nullptr, nullptr, Needs::Nothing},
    {QT_TRANSLATE_NOOP("tonewright::MainWindow", "Browse &Source Folder"), &MainWindow::BrowseSourceFolder,
     Needs::OneRow},
    {QT_TRANSLATE_NOOP("tonewright::MainWindow", "Browse Destination &Folder"), &MainWindow::BrowseDestinationFolder,
     Needs::OneConvertedRow},
    {nullptr, nullptr, Needs::Nothing},
    {QT_TRANSLATE_NOOP("tonewright::MainWindow", "&Add Files...\tCtrl+O"), &MainWindow::OnAddFiles, Needs::Nothing},
    {QT_TRANSLATE_NOOP("tonewright::MainWindow", "Add F&older"), &MainWindow::OnAddFolder, Needs::Nothing},
    {QT_TRANSLATE_NOOP("tonewright::MainWindow", "&Remove\tDel"), &MainWindow::OnRemove, Needs::Selection},
    {QT_TRANSLATE_NOOP("tonewright::MainWindow", "Remove Al&l"), &MainWindow::OnRemoveAll, Needs::Rows},
};

// The position of the entry in the list that owns it.
QString WithoutTrailingSlash(QString folder) {
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) folder.chop(1);
    return folder;
}

}  // namespace

MainWindow::MainWindow(SettingsStore& store, Desktop& desktop) : store_(store), desktop_(desktop) {
    parts_.LoadSoundFont();
    settings_ = DefaultSettings(DocumentsFolder());
    // Where notifications tell that a batch is done, the file manager only opens on request.
    if (desktop_.ShowsNotifications()) settings_.BrowseOutputFolder = 0;
    LoadSettings(settings_, store_);
    setWindowTitle(QStringLiteral("Tonewright"));

    list_ = new FileListWidget(this);
    connect(list_, &QAbstractItemView::doubleClicked, this, [this] { PlaySource(); });
    connect(list_, &QWidget::customContextMenuRequested, this, &MainWindow::ShowListMenu);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(CreateCommandRow());
    CreateShortcuts();

    if (!formatSelector_->SelectCode(settings_.OutputFormat)) {
        formatSelector_->setCurrentIndex(0);
        settings_.OutputFormat = formatSelector_->code();
    }
    connect(formatSelector_, &QComboBox::currentIndexChanged, this,
            [this] { settings_.OutputFormat = formatSelector_->code(); });

    loader_ = std::make_unique<FileLoader>(*this, files_, *list_, desktop_);
    setAcceptDrops(true);
    RestoreWindowPlacement(*this, *list_, settings_);

    if (CheckFirstRun(store_)) ShowHelpTopics();
}

MainWindow::~MainWindow() { SaveSettings(settings_, store_, kSaveWindowState | kSaveWindowPlacement); }

QLayout* MainWindow::CreateCommandRow() {
    struct Button {
        const char* text;
        const char* tip;
        void (MainWindow::*run)();
    };
    const Button kLeft[] = {
        {QT_TR_NOOP("&Add Files"), QT_TR_NOOP("Add files"), &MainWindow::OnAddFiles},
        {QT_TR_NOOP("Add &Folder"), QT_TR_NOOP("Add files from a folder"), &MainWindow::OnAddFolder},
        {QT_TR_NOOP("&Remove"), QT_TR_NOOP("Remove the selected files from the list"), &MainWindow::OnRemove},
        {QT_TR_NOOP("Remove A&ll"), QT_TR_NOOP("Remove all files in list"), &MainWindow::OnRemoveAll},
    };
    const Button kRight[] = {
        {QT_TR_NOOP("&Convert"), QT_TR_NOOP("Convert all files"), &MainWindow::ConvertAll},
        {QT_TR_NOOP("&Options"), QT_TR_NOOP("Options"), &MainWindow::OpenOptionsSheet},
    };
    auto addButton = [this](QBoxLayout* row, const Button& button) {
        auto* push = new QPushButton(tr(button.text), this);
        push->setToolTip(tr(button.tip));
        push->setAutoDefault(false);
        connect(push, &QPushButton::clicked, this, button.run);
        row->addWidget(push);
        return push;
    };

    // Two groups, side by side where the window is wide enough, else one above the other.
    auto* left = new QWidget(this);
    auto* leftRow = new QHBoxLayout(left);
    leftRow->setContentsMargins(QMargins());
    for (const Button& button : kLeft) {
        QPushButton* push = addButton(leftRow, button);
        // Remove works on the selection: it is offered while there is one.
        if (button.run == &MainWindow::OnRemove) {
            push->setObjectName(QStringLiteral("removeButton"));
            push->setEnabled(false);
            connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, push,
                    [this, push] { push->setEnabled(list_->selectionModel()->hasSelection()); });
        }
    }
    auto* right = new QWidget(this);
    auto* row = new QHBoxLayout(right);
    row->setContentsMargins(QMargins());

    formatSelector_ = new FormatSelector(this);
    formatSelector_->setToolTip(tr("Output format"));
    auto* formatLabel = new QLabel(tr("Out&put format:"), this);
    formatLabel->setBuddy(formatSelector_);
    row->addWidget(formatLabel);
    row->addWidget(formatSelector_);
    for (const Button& button : kRight) addButton(row, button);

    auto* help = new QPushButton(tr("&Help"), this);
    help->setToolTip(tr("Help"));
    help->setAutoDefault(false);
    help->setMenu(CreateHelpMenu());
    row->addWidget(help);

    auto* groups = new WrappingRow;
    groups->setSpacing(leftRow->spacing());
    groups->addWidget(left);
    groups->addWidget(right);
    return groups;
}

QMenu* MainWindow::CreateHelpMenu() {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("helpMenu"));
    menu->addAction(tr("&Help Topics\tF1"), this, &MainWindow::ShowHelpTopics);
    menu->addSeparator();
    menu->addAction(tr("&Tell A Friend"), this, [this] { desktop_.Open(TellAFriendUrl()); });
    menu->addAction(tr("&Feedback and Support"), this, [this] { desktop_.Open(SupportUrl()); });
    menu->addAction(tr("Home&page"), this, [this] { desktop_.Open(HomePageUrl()); });
    menu->addAction(tr("&Check Latest Version"), this, [this] { desktop_.Open(UpdateCheckUrl()); });
    menu->addSeparator();
    menu->addAction(tr("&About..."), this, &MainWindow::ShowAbout);
    return menu;
}

void MainWindow::CreateShortcuts() {
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this), &QShortcut::activated, this,
            &MainWindow::OnAddFiles);
    connect(new QShortcut(QKeySequence(Qt::Key_Delete), this), &QShortcut::activated, this, &MainWindow::OnRemove);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            &MainWindow::ShowHelpTopics);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this), &QShortcut::activated, this,
            [this] { ShowListMenu(list_->KeyboardMenuPoint()); });
}

void MainWindow::ShowListMenu(const QPoint& position) {
    CreateListMenu()->exec(list_->viewport()->mapToGlobal(position));
}

std::unique_ptr<QMenu> MainWindow::CreateListMenu() {
    const int rows = list_->rowCount();
    const std::vector<int> selected = list_->SelectedRows();
    const FileEntry* single = SingleSelectedEntry();
    auto allowed = [&](Needs needs) {
        switch (needs) {
            case Needs::Rows: return rows > 0;
            case Needs::Selection: return !selected.empty();
            case Needs::OneRow: return single != nullptr;
            case Needs::OneConvertedRow: return single && !single->targetPath.empty();
            case Needs::Nothing: break;
        }
        return true;
    };
    auto menu = std::make_unique<QMenu>(this);
    for (const ListCommand& command : kListMenu) {
        if (!command.text) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(tr(command.text), this, command.run);
        action->setEnabled(allowed(command.needs));
    }
    return menu;
}

void MainWindow::OnAddFiles() {
    const QStringList chosen = desktop_.ChooseFiles(this, OpenDialogFilters());
    if (chosen.isEmpty()) return;
    QCoreApplication::processEvents();
    loader_->LoadFiles(chosen);
}

void MainWindow::OnAddFolder() {
    const QString chosen =
        desktop_.ChooseFolder(this, tr("Please choose a folder:"),
                              WithoutTrailingSlash(QString::fromStdString(settings_.Folder)));
    if (chosen.isEmpty()) return;
    const QString folder = WithoutTrailingSlash(chosen);
    settings_.Folder = (folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/')).toStdString();
    SaveSettings(settings_, store_, kSaveFolder);
    QCoreApplication::processEvents();
    loader_->SearchAndLoad(QStringList{folder}, settings_, true);
}

void MainWindow::OpenPaths(const QStringList& paths) {
    if (!paths.isEmpty()) loader_->SearchAndLoad(paths, settings_, false);
}

void MainWindow::OnRemove() {
    const std::vector<int> selected = list_->SelectedRows();
    if (selected.empty()) {
        Inform(tr(kSelectFirst));
        return;
    }
    std::vector<const FileEntry*> entries;
    for (int row : selected) entries.push_back(list_->EntryAt(row));
    list_->RemoveRows(selected);
    files_.Remove(entries);
}

void MainWindow::OnRemoveAll() {
    if (files_.empty()) {
        Inform(tr(kListEmpty));
        return;
    }
    list_->Clear();
    files_.Clear();
}

void MainWindow::ConvertAll() {
    if (list_->rowCount() == 0) {
        Inform(tr(kListEmpty));
        return;
    }
    std::vector<int> rows(static_cast<size_t>(list_->rowCount()));
    for (size_t row = 0; row < rows.size(); ++row) rows[row] = static_cast<int>(row);
    ConvertRows(rows);
}

void MainWindow::ConvertSelected() {
    const std::vector<int> selected = list_->SelectedRows();
    if (selected.empty()) {
        Inform(tr(kSelectFirst));
        return;
    }
    ConvertRows(selected);
}

void MainWindow::ConvertRows(const std::vector<int>& rows) {
    std::vector<FileEntry*> entries;
    for (int row : rows) entries.push_back(list_->EntryAt(row));
    BatchContext context;
    context.settings = &settings_;
    context.outputFormat = settings_.OutputFormat;
    context.jobs = settings_.ParallelJobs;
    context.parts = &parts_;
    QtBatchHost host(*this, *list_, desktop_, settings_);
    ConvertBatch(entries, rows, context, host);
}

void MainWindow::OpenOptionsSheet() {
    // The WMA page lists the codec formats that conversions use, found once per run.
    const auto wmaFormats = [this] { return parts_.FindWindowsMedia() ? *parts_.wmaFormats() : WmaFormatList{}; };
    ShowOptions(settings_, store_, desktop_, wmaFormats, this);
}

void MainWindow::PlaySource() {
    const std::vector<int> selected = list_->SelectedRows();
    if (!selected.empty())
        desktop_.Open(QUrl::fromLocalFile(QString::fromStdString(list_->EntryAt(selected.front())->sourcePath)));
}

void MainWindow::PlayDestination() {
    const std::vector<int> selected = list_->SelectedRows();
    if (selected.empty()) return;
    const std::string& target = list_->EntryAt(selected.front())->targetPath;
    if (!target.empty()) desktop_.Open(QUrl::fromLocalFile(QString::fromStdString(target)));
}

void MainWindow::BrowseSourceFolder() {
    if (const FileEntry* entry = SingleSelectedEntry()) desktop_.RevealFile(QString::fromStdString(entry->sourcePath));
}

void MainWindow::BrowseDestinationFolder() {
    const FileEntry* entry = SingleSelectedEntry();
    if (entry && !entry->targetPath.empty()) desktop_.RevealFile(QString::fromStdString(entry->targetPath));
}

void MainWindow::ShowHelpTopics() { desktop_.Open(HelpTopicsUrl()); }

void MainWindow::ShowAbout() {
    desktop_.ShowAbout(this, tr("<h3>Tonewright %1</h3>"
                                "<p>A batch audio converter for the Linux desktop.</p>")
                             .arg(QStringLiteral(TONEWRIGHT_VERSION)));
}

FileEntry* MainWindow::SingleSelectedEntry() const {
    const std::vector<int> selected = list_->SelectedRows();
    return selected.size() == 1 ? list_->EntryAt(selected.front()) : nullptr;
}

void MainWindow::Inform(const QString& text) { desktop_.ShowMessage(this, Desktop::Icon::Information, text); }

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (IsDialogCloseKey(*event)) event->accept();
    else QWidget::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // While files are added or converted the window is disabled; it stays until the loop
    // that runs has finished.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    if (isVisible()) TakeWindowPlacement(*this, *list_, settings_);
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    event->acceptProposedAction();
    // The adding runs once the drop has completed, so the program it came from is not held.
    QMetaObject::invokeMethod(
        this, [this, paths] { loader_->SearchAndLoad(paths, settings_, true); }, Qt::QueuedConnection);
}

}  // namespace tonewright
