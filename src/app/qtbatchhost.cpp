#include "app/qtbatchhost.h"

#include <QApplication>
#include <QDBusInterface>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressBar>
#include <QTreeWidget>
#include <QUrl>

#include "app/progresswindow.h"

namespace tonewright {

QtBatchHost::QtBatchHost(QWidget* window, QTreeWidget* list, int statusColumn)
    : window_(window), list_(list), statusColumn_(statusColumn) {}

QtBatchHost::~QtBatchHost() { CloseProgressWindow(); }

bool QtBatchHost::AskYesNo(const std::string& text) {
    return QMessageBox::question(window_, QStringLiteral("Tonewright"), QString::fromStdString(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void QtBatchHost::OpenUrl(const std::string& url) { QDesktopServices::openUrl(QUrl(QString::fromStdString(url))); }

void QtBatchHost::OpenFolder(const std::string& folder) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder)));
}

void QtBatchHost::SetBusyCursor(bool busy) {
    if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
    else QApplication::restoreOverrideCursor();
}

void QtBatchHost::SetMainWindowEnabled(bool enabled) { window_->setEnabled(enabled); }

void QtBatchHost::OpenProgressWindow(int fileCount) {
    progress_ = new ProgressWindow(window_);
    progress_->batchBar()->setRange(0, fileCount);
    progress_->batchBar()->setValue(0);
    progress_->show();
}

void QtBatchHost::CloseProgressWindow() {
    if (progress_) progress_->deleteLater();
    progress_.clear();
}

void QtBatchHost::SetBatchText(const std::string& text) {
    if (progress_) progress_->SetBatchText(QString::fromStdString(text));
}

void QtBatchHost::StepBatchBar() {
    if (progress_) progress_->batchBar()->setValue(progress_->batchBar()->value() + 1);
}

void QtBatchHost::EnsureRowVisible(int row) { list_->scrollToItem(list_->topLevelItem(row)); }

void QtBatchHost::SetRowStatus(int row, const std::string& status) {
    if (QTreeWidgetItem* item = list_->topLevelItem(row)) item->setText(statusColumn_, QString::fromStdString(status));
}

void QtBatchHost::RowFinished(int row, bool, const std::string& status) { SetRowStatus(row, status); }

int QtBatchHost::StatusColumnWidth() const { return list_->columnWidth(statusColumn_); }

void QtBatchHost::SetStatusColumnWidth(int width) { list_->setColumnWidth(statusColumn_, width); }

void QtBatchHost::RevealFile(const std::string& path) {
    const QString file = QString::fromStdString(path);
    QDBusInterface fileManager(QStringLiteral("org.freedesktop.FileManager1"),
                               QStringLiteral("/org/freedesktop/FileManager1"),
                               QStringLiteral("org.freedesktop.FileManager1"));
    if (fileManager.isValid()) {
        fileManager.call(QStringLiteral("ShowItems"), QStringList{QUrl::fromLocalFile(file).toString()}, QString());
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(file).absolutePath()));
}

void QtBatchHost::SetFileText(const std::string& text) {
    if (progress_) progress_->SetFileText(QString::fromStdString(text));
}

int QtBatchHost::FileBarWidth() const { return progress_ ? progress_->fileBar()->width() : 1; }

void QtBatchHost::SetFileBarRange(int maximum) {
    if (progress_) progress_->fileBar()->setRange(0, maximum);
}

void QtBatchHost::SetFileBarPosition(int position) {
    if (progress_) progress_->fileBar()->setValue(position);
}

void QtBatchHost::PumpEvents() { QCoreApplication::processEvents(); }

bool QtBatchHost::IsCancelled() const { return progress_ && progress_->cancelled(); }

}  // namespace tonewright
