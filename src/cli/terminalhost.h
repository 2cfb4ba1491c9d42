#pragma once

#include <atomic>
#include <chrono>
#include <csignal>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "cli/reportformat.h"
#include "engine/batch.h"

namespace tonewright {

class FileList;

// One line of the report on stdout, in input order: a file in the batch (its row) or a
// file whose outcome was known before the batch (one that could not be added, one copied).
struct ReportItem {
    std::string path;
    int row = -1;
    // For row -1:
    std::string status;
    RowOutcome outcome = RowOutcome::Failed;
    std::string target;
};

// How many rows ended which way.
struct ReportTally {
    int converted = 0;
    int copied = 0;
    int skipped = 0;
    int failed = 0;
    int cancelled = 0;
};

// How the report is shown.
struct ReportStyle {
    bool json = false;          // JSON lines instead of tab lines
    bool showProgress = false;  // a progress line on stderr (a terminal)
    bool quiet = false;
    // The output folder asked for; empty when each target goes next to its source. A target
    // written elsewhere was sent to the documents folder, which is told on stderr.
    std::string outputFolder;
};

// The batch host of the command line: questions are answered No (and shown on stderr),
// progress goes to stderr when it is a terminal, and Ctrl+C (SIGINT), SIGTERM and SIGHUP
// act as the Cancel button, as does a closed standard output. Report lines ("path TAB
// status", or JSON objects) go to stdout in input order, each as soon as it and every line
// before it are known.
class TerminalHost : public BatchHost {
public:
    // `list` holds the batch's rows; a finished row's target is read from it.
    TerminalHost(std::vector<ReportItem> items, const FileList& list, ReportStyle style);

    // Makes the first SIGINT, SIGTERM or SIGHUP cancel the batch (the same signal again
    // ends the program). With SIGPIPE ignored, a closed standard output cancels it too.
    static void InstallCancelHandlers();
    // The signal that cancelled the batch, or 0.
    static int CancelSignal();

    // Counts the rows for the progress line.
    void BatchStarted(const BatchStart& start) override;
    // The row's number and its file on the progress line.
    int RowStarted(int row, const RowStart& start) override;
    void RowProgressed(int row, const RowProgress& progress) override;
    // Prints the report lines that have become due.
    void RowFinished(int row, const RowEnd& end) override;
    // Clears the progress line.
    void BatchFinished(const BatchEnd& end) override;
    // Shows the question on stderr and answers No.
    bool Ask(const Question& question) override;
    bool Cancelled() override;

    // Prints what is still due; rows the batch never reached (after a cancel) read
    // "Cancelled". Returns how the rows ended.
    ReportTally FinishReport();
    // The error number of the first report line that could not be written (EPIPE when
    // standard output was closed), or 0.
    int ReportError() const { return reportError_; }

private:
    void PrintDueLines();
    void ShowProgress(const std::string& text);
    void NoteFallback(const std::string& source, const std::string& target);

    std::vector<ReportItem> items_;
    const FileList& list_;
    size_t printed_ = 0;
    std::vector<ReportRow> rows_;  // by batch row; the source is taken from the item
    std::vector<bool> finished_;
    std::vector<std::chrono::steady_clock::time_point> started_;
    std::set<std::string> fallbackFolders_;  // folders already told of
    std::atomic<int> reportError_{0};  // read by the converting threads' cancel checks
    ReportStyle style_;
    bool showProgress_;
    std::atomic<int> current_{0};
    int total_ = 0;
    std::mutex terminal_;  // rows converted at once share the progress line
};

}  // namespace tonewright
