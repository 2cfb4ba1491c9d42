#pragma once

#include <QObject>

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "app/eventpump.h"
#include "engine/batchhost.h"

class QWidget;

namespace tonewright {

class Desktop;
class FileListWidget;
class ProgressWindow;
class QueuedPercent;
struct Settings;

// The desktop program's side of a batch: it turns the batch's events into what the
// windows do. While it lives the busy cursor shows; while the rows run the main window is
// disabled and the progress window open; the rows' texts go to the list's Status column
// and the progress window; questions go through the Desktop; at the end, unless cancelled,
// a desktop notification tells how many files converted and offers to show the first one,
// and the file manager shows it at once when the options ask for that.
//
// With rows at once, the row events arrive from the worker threads. Widgets may only be
// touched on the GUI thread, so such calls are queued to it and run when the batch's own
// (GUI) thread handles events; nothing ever waits for the GUI thread, which holds the
// batch's host lock while it does. A row's percentages are coalesced on their way
// (QueuedPercent). The batch's start and end and the questions come only from the GUI
// thread, before the rows start or after they have all ended.
class QtBatchHost : public BatchHost {
public:
    // Reads OutputFormat and BrowseOutputFolder from `settings`.
    QtBatchHost(QWidget& window, FileListWidget& list, Desktop& desktop, const Settings& settings);
    ~QtBatchHost() override;

    void BatchStarted(const BatchStart& start) override;
    // One row after the other, the batch line and bar count the rows begun and the file
    // line and bar follow the row's file (the bar in pixels). With rows at once, the batch
    // line names how many rows have ended and how many run, the batch bar counts the rows
    // ended, the row's percentage goes to its Status cell and the file line counts the
    // running rows.
    int RowStarted(int row, const RowStart& start) override;
    void RowProgressed(int row, const RowProgress& progress) override;
    // A failure that says why widens the Status column, once.
    void RowFinished(int row, const RowEnd& end) override;
    // Runs the updates still queued first, so every row shows its outcome.
    void BatchFinished(const BatchEnd& end) override;
    bool Ask(const Question& question) override;
    // Handles the pending events first when asked on the GUI thread.
    bool Cancelled() override;

private:
    // Runs `update` at once on the GUI thread, else queues it there.
    void OnGuiThread(std::function<void()> update);
    // GUI thread only, from here on.
    void ShowRowStart(int row, const RowStart& start);
    void AdvanceBatchBar();
    void ShowRowPercent(int row, int percent);
    // The lines and bars of a batch that converts several rows at once: how many rows have
    // ended and how many run, and how far the running ones have come on average.
    void ShowRunningRows();
    void CloseProgressWindow();

    QWidget& window_;
    FileListWidget& list_;
    Desktop& desktop_;
    const QString formatName_;  // as in "Converting 1 of 3 file(s) to MP3..."
    const bool revealFirstConverted_;
    bool rowsAtOnce_ = false;  // set before the workers start
    int rowCount_ = 0;
    int endedRows_ = 0;
    std::unique_ptr<ProgressWindow> progress_;
    EventPump events_;
    int statusColumnUnits_;
    std::map<int, int> runningRows_;  // row -> percentage, while rows run at once
    std::mutex percentsLock_;          // the workers share rowPercents_
    std::map<int, std::unique_ptr<QueuedPercent>> rowPercents_;
    QObject gui_;  // receives the queued updates; destroyed first, dropping any still queued
};

}  // namespace tonewright
