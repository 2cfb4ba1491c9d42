#include "app/fileloader.h"

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <thread>

#include "app/coretexts.h"
#include "app/desktop.h"
#include "app/eventpump.h"
#include "app/filelistwidget.h"
#include "app/progresswindow.h"
#include "base/pathutil.h"
#include "engine/fileentry.h"
#include "engine/filelist.h"
#include "engine/folderscan.h"
#include "engine/loadreport.h"

namespace tonewright {

namespace {

// The window stays disabled, under a wait cursor, while files are added.
class BusyWindow {
public:
    explicit BusyWindow(QWidget& window) : window_(window) {
        window_.setEnabled(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyWindow() {
        QApplication::restoreOverrideCursor();
        window_.setEnabled(true);
    }
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;

private:
    QWidget& window_;
};

std::unique_ptr<AddProgressWindow> ShowSearching(QWidget& window) {
    auto progress = std::make_unique<AddProgressWindow>(&window);
    progress->SetText(QCoreApplication::translate("FileLoader", "Searching files..."));
    progress->show();
    QCoreApplication::processEvents();
    return progress;
}

}  // namespace

FileLoader::FileLoader(QWidget& window, FileList& files, FileListWidget& list, Desktop& desktop)
    : window_(window), files_(files), list_(list), desktop_(desktop) {}

void FileLoader::LoadFiles(const QStringList& paths) {
    std::vector<std::string> files;
    for (const QString& path : paths) files.push_back(path.toStdString());
    AddProgressWindow progress(&window_);
    progress.show();
    LoadFileList(files, progress);
}

void FileLoader::SearchAndLoad(const QStringList& paths, const Settings& settings, bool filterFiles) {
    std::unique_ptr<AddProgressWindow> progress;
    std::vector<std::string> found;
    {
        BusyWindow busy(window_);
        progress = ShowSearching(window_);
        EventPump events;
        for (const QString& given : paths) {
            const std::string path = given.toStdString();
            if (IsFolder(path)) {
                for (std::string& file : ScanFolder(path, settings, [&events] { events.Pump(); }))
                    found.push_back(std::move(file));
                continue;
            }
            std::string accepted = filterFiles ? AcceptFile(path, settings) : path;
            if (!accepted.empty()) found.push_back(std::move(accepted));
            events.Pump();
        }
    }
    if (!found.empty()) LoadFileList(found, *progress);
}

void FileLoader::LoadFileList(const std::vector<std::string>& paths, AddProgressWindow& progress) {
    LoadFailureReport report;
    {
        BusyWindow busy(window_);
        EventPump events;
        const int total = static_cast<int>(paths.size());
        progress.SetRange(total);
        events.Pump();
        // Rows join the list each time the window is repainted, not one by one.
        std::vector<FileEntry*> unshown;
        const auto showRows = [&] {
            list_.AppendRows(unshown);
            unshown.clear();
        };
        FileList::AddObserver observer;
        observer.added = [&](size_t index, FileList::AddResult result, const std::string& reason) {
            progress.SetText(QCoreApplication::translate("FileLoader", "Adding file %1 of %2...")
                                 .arg(static_cast<int>(index) + 1)
                                 .arg(total));
            progress.Step();
            if (result == FileList::AddResult::Added) unshown.push_back(&files_[files_.size() - 1]);
            else if (result == FileList::AddResult::Failed) report.AddFailure(paths[index], reason);
            events.Pump(showRows);
            return !progress.cancelled();
        };
        observer.waiting = [&] { events.Pump(showRows); };
        files_.AddFiles(paths, static_cast<int>(std::max(1u, std::thread::hardware_concurrency())), observer);
        showRows();
        progress.hide();
    }
    if (!report.empty())
        desktop_.ShowMessage(&window_, Desktop::Icon::Warning, CoreText(report.Message()));
}

}  // namespace tonewright
