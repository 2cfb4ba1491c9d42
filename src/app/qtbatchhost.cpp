#include "app/qtbatchhost.h"

#include <QApplication>
#include <QProgressBar>
#include <QThread>
#include <QUrl>

#include "app/desktop.h"
#include "app/filelistwidget.h"
#include "app/progresswindow.h"
#include "app/rowprogress.h"

namespace tonewright {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

QtBatchHost::QtBatchHost(QWidget& window, FileListWidget& list, Desktop& desktop, int jobs)
    : window_(window),
      list_(list),
      desktop_(desktop),
      jobs_(jobs),
      statusColumnWidth_(list.ColumnUnits(FileListWidget::kStatusColumn)) {}

QtBatchHost::~QtBatchHost() {
    CloseProgressWindow();
    while (busyCursors_ > 0) SetBusyCursor(false);
}

void QtBatchHost::OnGuiThread(std::function<void()> update) {
    if (QThread::currentThread() == gui_.thread()) update();
    else QMetaObject::invokeMethod(&gui_, std::move(update), Qt::QueuedConnection);
}

bool QtBatchHost::AskYesNo(const std::string& text) { return desktop_.AskYesNo(&window_, Text(text)); }

void QtBatchHost::OpenUrl(const std::string& url) { desktop_.Open(QUrl(Text(url))); }

void QtBatchHost::OpenFolder(const std::string& folder) { desktop_.Open(QUrl::fromLocalFile(Text(folder))); }

void QtBatchHost::SetBusyCursor(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++busyCursors_;
    } else if (busyCursors_ > 0) {
        QApplication::restoreOverrideCursor();
        --busyCursors_;
    }
}

void QtBatchHost::SetMainWindowEnabled(bool enabled) { window_.setEnabled(enabled); }

void QtBatchHost::OpenProgressWindow(int fileCount) {
    progress_ = std::make_unique<ProgressWindow>(&window_);
    progress_->batchBar()->setRange(0, fileCount);
    progress_->batchBar()->setValue(0);
    progress_->show();
}

void QtBatchHost::CloseProgressWindow() {
    QCoreApplication::sendPostedEvents(&gui_);
    runningRows_.clear();
    progress_.reset();
}

void QtBatchHost::SetBatchText(const std::string& text) {
    OnGuiThread([this, text] {
        if (progress_) progress_->SetBatchText(Text(text));
    });
}

void QtBatchHost::StepBatchBar() {
    if (!ConvertsRowsAtOnce()) OnGuiThread([this] { AdvanceBatchBar(); });
}

void QtBatchHost::AdvanceBatchBar() {
    if (progress_) progress_->batchBar()->setValue(progress_->batchBar()->value() + 1);
}

void QtBatchHost::EnsureRowVisible(int row) {
    OnGuiThread([this, row] { list_.ShowRow(row); });
}

void QtBatchHost::SetRowStatus(int row, const std::string& status) {
    OnGuiThread([this, row, status] { list_.SetStatus(row, Text(status)); });
}

void QtBatchHost::RowFinished(int row, bool, const std::string& status) {
    OnGuiThread([this, row, status] {
        list_.SetStatus(row, Text(status));
        if (ConvertsRowsAtOnce()) AdvanceBatchBar();
        if (runningRows_.erase(row) > 0) ShowRunningRows();
    });
}

int QtBatchHost::StatusColumnWidth() const { return statusColumnWidth_; }

void QtBatchHost::SetStatusColumnWidth(int width) {
    statusColumnWidth_ = width;
    OnGuiThread([this, width] { list_.SetColumnUnits(FileListWidget::kStatusColumn, width); });
}

void QtBatchHost::RevealFile(const std::string& path) { desktop_.RevealFile(Text(path)); }

std::unique_ptr<FileProgress> QtBatchHost::CreateRowProgress(int row) {
    OnGuiThread([this, row] {
        runningRows_[row] = 0;
        ShowRunningRows();
    });
    return std::make_unique<RowProgress>(
        gui_, [this] { return IsCancelled(); }, [this, row](int percent) { ShowRowPercent(row, percent); });
}

void QtBatchHost::ShowRowPercent(int row, int percent) {
    const auto running = runningRows_.find(row);
    if (running == runningRows_.end()) return;
    running->second = percent;
    list_.SetStatus(row, QStringLiteral("Converting %1%").arg(percent));
    ShowRunningRows();
}

void QtBatchHost::ShowRunningRows() {
    if (!progress_ || runningRows_.empty()) return;
    int sum = 0;
    for (const auto& [row, percent] : runningRows_) sum += percent;
    const int count = static_cast<int>(runningRows_.size());
    progress_->SetFileText(QStringLiteral("Converting %1 file(s) at once...").arg(count));
    progress_->fileBar()->setRange(0, 100);
    progress_->fileBar()->setValue(sum / count);
}

void QtBatchHost::SetFileText(const std::string& text) {
    OnGuiThread([this, text] {
        if (progress_) progress_->SetFileText(Text(text));
    });
}

// Asked only by a batch that converts one row after the other, on the GUI thread.
int QtBatchHost::FileBarWidth() const { return progress_ ? std::max(1, progress_->fileBar()->width()) : 1; }

void QtBatchHost::SetFileBarRange(int maximum) {
    OnGuiThread([this, maximum] {
        if (progress_) progress_->fileBar()->setRange(0, maximum);
    });
}

void QtBatchHost::SetFileBarPosition(int position) {
    OnGuiThread([this, position] {
        if (progress_) progress_->fileBar()->setValue(position);
    });
}

void QtBatchHost::PumpEvents() { events_.Pump(); }

bool QtBatchHost::IsCancelled() const { return progress_ && progress_->cancelled(); }

}  // namespace tonewright
