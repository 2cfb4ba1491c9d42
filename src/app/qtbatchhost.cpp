#include "app/qtbatchhost.h"

#include <QApplication>
#include <QProgressBar>
#include <QUrl>

#include "app/desktop.h"
#include "app/filelistwidget.h"
#include "app/progresswindow.h"

namespace tonewright {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

QtBatchHost::QtBatchHost(QWidget& window, FileListWidget& list, Desktop& desktop)
    : window_(window), list_(list), desktop_(desktop) {}

QtBatchHost::~QtBatchHost() {
    CloseProgressWindow();
    while (busyCursors_ > 0) SetBusyCursor(false);
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

void QtBatchHost::CloseProgressWindow() { progress_.reset(); }

void QtBatchHost::SetBatchText(const std::string& text) {
    if (progress_) progress_->SetBatchText(Text(text));
}

void QtBatchHost::StepBatchBar() {
    if (progress_) progress_->batchBar()->setValue(progress_->batchBar()->value() + 1);
}

void QtBatchHost::EnsureRowVisible(int row) { list_.ShowRow(row); }

void QtBatchHost::SetRowStatus(int row, const std::string& status) { list_.SetStatus(row, Text(status)); }

void QtBatchHost::RowFinished(int row, bool, const std::string& status) { SetRowStatus(row, status); }

int QtBatchHost::StatusColumnWidth() const { return list_.ColumnUnits(FileListWidget::kStatusColumn); }

void QtBatchHost::SetStatusColumnWidth(int width) { list_.SetColumnUnits(FileListWidget::kStatusColumn, width); }

void QtBatchHost::RevealFile(const std::string& path) { desktop_.RevealFile(Text(path)); }

void QtBatchHost::SetFileText(const std::string& text) {
    if (progress_) progress_->SetFileText(Text(text));
}

int QtBatchHost::FileBarWidth() const { return progress_ ? std::max(1, progress_->fileBar()->width()) : 1; }

void QtBatchHost::SetFileBarRange(int maximum) {
    if (progress_) progress_->fileBar()->setRange(0, maximum);
}

void QtBatchHost::SetFileBarPosition(int position) {
    if (progress_) progress_->fileBar()->setValue(position);
}

void QtBatchHost::PumpEvents() { events_.Pump(); }

bool QtBatchHost::IsCancelled() const { return progress_ && progress_->cancelled(); }

}  // namespace tonewright
