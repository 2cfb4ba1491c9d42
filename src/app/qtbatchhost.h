#pragma once

#include <QObject>

#include <atomic>
#include <functional>
#include <map>
#include <memory>

#include "app/eventpump.h"
#include "engine/batch.h"

class QWidget;

namespace tonewright {

class Desktop;
class FileListWidget;
class ProgressWindow;

// The batch driver's view of the desktop program: questions through the Desktop, the
// list's Status column, the batch progress window, and the event pump.
//
// With more than one job the batch converts several rows at once on worker threads, and
// the row calls (status, batch line and bar, outcome, column width) and each row's
// progress arrive from those threads. Widgets may only be touched on the GUI thread, so
// such calls are queued to it and run when the batch's own (GUI) thread pumps events;
// nothing ever waits for the GUI thread, which holds the batch's host lock while it pumps.
// What a worker reads back (the Status column width, the Cancel flag) is kept in atomics.
// The questions, the window state and the progress window's opening and closing come only
// from the GUI thread, before the rows start or after they have all ended.
class QtBatchHost : public BatchHost {
public:
    QtBatchHost(QWidget& window, FileListWidget& list, Desktop& desktop, int jobs);
    ~QtBatchHost() override;

    bool AskYesNo(const std::string& text) override;
    void OpenUrl(const std::string& url) override;
    void OpenFolder(const std::string& folder) override;
    void SetBusyCursor(bool busy) override;
    void SetMainWindowEnabled(bool enabled) override;
    void OpenProgressWindow(int fileCount) override;
    // Runs the updates still queued first, so every row shows its outcome.
    void CloseProgressWindow() override;
    void SetBatchText(const std::string& text) override;
    // One row after the other, the batch bar counts the rows begun; with rows at once it
    // counts the rows ended, so it is full only when the last running row is.
    void StepBatchBar() override;
    void EnsureRowVisible(int row) override;
    void SetRowStatus(int row, const std::string& status) override;
    void RowFinished(int row, bool converted, const std::string& status) override;
    int StatusColumnWidth() const override;
    void SetStatusColumnWidth(int width) override;
    void RevealFile(const std::string& path) override;
    bool ConvertsRowsAtOnce() const override { return jobs_ > 1; }
    // The row's percentage goes to its Status cell; the file line counts the running rows.
    std::unique_ptr<FileProgress> CreateRowProgress(int row) override;

    void SetFileText(const std::string& text) override;
    int FileBarWidth() const override;
    void SetFileBarRange(int maximum) override;
    void SetFileBarPosition(int position) override;
    void PumpEvents() override;
    bool IsCancelled() const override;

private:
    // Runs `update` at once on the GUI thread, else queues it there.
    void OnGuiThread(std::function<void()> update);
    // GUI thread only, from here on.
    void AdvanceBatchBar();
    void ShowRowPercent(int row, int percent);
    // The file line and bar of a batch that converts several rows at once: how many run,
    // and how far they have come on average.
    void ShowRunningRows();

    QWidget& window_;
    FileListWidget& list_;
    Desktop& desktop_;
    const int jobs_;
    std::unique_ptr<ProgressWindow> progress_;
    EventPump events_;
    int busyCursors_ = 0;
    std::atomic<int> statusColumnWidth_;
    std::map<int, int> runningRows_;  // row -> percentage, while rows run at once
    QObject gui_;  // receives the queued updates; destroyed first, dropping any still queued
};

}  // namespace tonewright
