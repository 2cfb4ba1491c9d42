#include "app/qtbatchhost.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProgressBar>
#include <QThread>
#include <QUrl>

#include <algorithm>

#include "app/coretexts.h"
#include "app/desktop.h"
#include "app/filelistwidget.h"
#include "app/progresswindow.h"
#include "app/queuedpercent.h"
#include "base/pathutil.h"
#include "engine/outputformat.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

// The Status column's width, in layout units, once a row has failed with a reason.
constexpr int kWideStatusColumn = 500;
// A row converted among others reports whole percents.
constexpr int kPercentSteps = 100;

QString Text(const std::string& text) { return QString::fromStdString(text); }

QString FormatName(int code) {
    const OutputFormatInfo* format = FindOutputFormat(code);
    return format ? QString::fromLatin1(format->displayName) : QString();
}

// The first of the batch's targets that is still there ("" when none is).
QString FirstConvertedFile(const std::vector<std::string>& targets) {
    for (const std::string& target : targets)
        if (FileExists(target)) return Text(target);
    return QString();
}

}  // namespace

QtBatchHost::QtBatchHost(QWidget& window, FileListWidget& list, Desktop& desktop, const Settings& settings)
    : window_(window),
      list_(list),
      desktop_(desktop),
      formatName_(FormatName(settings.OutputFormat)),
      revealFirstConverted_(settings.BrowseOutputFolder != 0),
      statusColumnUnits_(list.ColumnUnits(FileListWidget::kStatusColumn)) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

QtBatchHost::~QtBatchHost() {
    CloseProgressWindow();
    QApplication::restoreOverrideCursor();
}

void QtBatchHost::OnGuiThread(std::function<void()> update) {
    if (QThread::currentThread() == gui_.thread()) update();
    else QMetaObject::invokeMethod(&gui_, std::move(update), Qt::QueuedConnection);
}

void QtBatchHost::BatchStarted(const BatchStart& start) {
    rowsAtOnce_ = start.rowsAtOnce;
    rowCount_ = start.fileCount;
    window_.setEnabled(false);
    progress_ = std::make_unique<ProgressWindow>(&window_);
    progress_->batchBar()->setRange(0, start.fileCount);
    progress_->batchBar()->setValue(0);
    if (rowsAtOnce_) ShowRunningRows();
    progress_->show();
    events_.Pump();
}

int QtBatchHost::RowStarted(int row, const RowStart& start) {
    if (rowsAtOnce_) {
        {
            std::lock_guard<std::mutex> lock(percentsLock_);
            rowPercents_[row] =
                std::make_unique<QueuedPercent>(gui_, [this, row](int percent) { ShowRowPercent(row, percent); });
        }
        OnGuiThread([this, row, start] {
            ShowRowStart(row, start);
            runningRows_[row] = 0;
            ShowRunningRows();
        });
        return kPercentSteps;
    }
    // One row after the other: the batch runs on the GUI thread.
    ShowRowStart(row, start);
    if (!progress_) return 1;
    progress_->SetFileText(CoreText(start.fileText));
    const int width = std::max(1, progress_->fileBar()->width());
    progress_->fileBar()->setRange(0, width);
    progress_->fileBar()->setValue(0);
    return width;
}

void QtBatchHost::ShowRowStart(int row, const RowStart& start) {
    list_.ShowRow(row);
    list_.SetStatus(row, CoreText(start.status));
    if (rowsAtOnce_) return;
    if (progress_) progress_->SetBatchText(CoreText(start.batchText));
    AdvanceBatchBar();
}

void QtBatchHost::RowProgressed(int row, const RowProgress& progress) {
    if (rowsAtOnce_) {
        std::lock_guard<std::mutex> lock(percentsLock_);
        const auto found = rowPercents_.find(row);
        if (found != rowPercents_.end()) found->second->Set(progress.percent);
        return;
    }
    if (!progress_) return;
    progress_->SetFileText(CoreText(progress.text));
    progress_->fileBar()->setValue(progress.bar);
}

void QtBatchHost::RowFinished(int row, const RowEnd& end) {
    if (rowsAtOnce_) {
        std::lock_guard<std::mutex> lock(percentsLock_);
        rowPercents_.erase(row);
    }
    OnGuiThread([this, row, end] {
        if (end.failureHasReason && statusColumnUnits_ < kWideStatusColumn) {
            statusColumnUnits_ = kWideStatusColumn;
            list_.SetColumnUnits(FileListWidget::kStatusColumn, kWideStatusColumn);
        }
        list_.SetStatus(row, CoreText(end.status));
        if (!rowsAtOnce_) return;
        runningRows_.erase(row);
        ++endedRows_;
        AdvanceBatchBar();
        ShowRunningRows();
    });
}

void QtBatchHost::BatchFinished(const BatchEnd& end) {
    CloseProgressWindow();
    window_.setEnabled(true);
    if (end.cancelled) return;
    const QString first = FirstConvertedFile(end.convertedTargets);
    if (revealFirstConverted_ && !first.isEmpty()) desktop_.RevealFile(first);
    if (desktop_.ShowsNotifications())
        desktop_.Notify(QCoreApplication::translate("QtBatchHost", "Conversion finished"),
                        QCoreApplication::translate("QtBatchHost", "%1 of %2 file(s) converted to %3.")
                            .arg(end.convertedTargets.size())
                            .arg(rowCount_)
                            .arg(formatName_),
                        first);
}

bool QtBatchHost::Ask(const Question& question) {
    if (!desktop_.AskYesNo(&window_, CoreText(question.text))) return false;
    if (!question.folder.empty()) desktop_.Open(QUrl::fromLocalFile(Text(question.folder)));
    if (!question.page.empty()) desktop_.Open(QUrl(Text(question.page)));
    return true;
}

bool QtBatchHost::Cancelled() {
    if (QThread::currentThread() == gui_.thread()) events_.Pump();
    return progress_ && progress_->cancelled();
}

void QtBatchHost::AdvanceBatchBar() {
    if (progress_) progress_->batchBar()->setValue(progress_->batchBar()->value() + 1);
}

void QtBatchHost::ShowRowPercent(int row, int percent) {
    const auto running = runningRows_.find(row);
    if (running == runningRows_.end()) return;
    running->second = percent;
    list_.SetStatus(row, QCoreApplication::translate("QtBatchHost", "Converting %1%").arg(percent));
    ShowRunningRows();
}

void QtBatchHost::ShowRunningRows() {
    if (!progress_) return;
    const int count = static_cast<int>(runningRows_.size());
    progress_->SetBatchText(
        QCoreApplication::translate("QtBatchHost", "%1 of %2 file(s) converted to %3, %4 running...")
            .arg(endedRows_)
            .arg(rowCount_)
            .arg(formatName_)
            .arg(count));
    if (count == 0) return;
    int sum = 0;
    for (const auto& [row, percent] : runningRows_) sum += percent;
    progress_->SetFileText(QCoreApplication::translate("QtBatchHost", "Converting %1 file(s) at once...").arg(count));
    progress_->fileBar()->setRange(0, 100);
    progress_->fileBar()->setValue(sum / count);
}

void QtBatchHost::CloseProgressWindow() {
    QCoreApplication::sendPostedEvents(&gui_);
    runningRows_.clear();
    progress_.reset();
}

}  // namespace tonewright
