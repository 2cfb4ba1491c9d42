#pragma once

#include <atomic>
#include <csignal>
#include <mutex>
#include <string>
#include <vector>

#include "engine/batch.h"

namespace tonewright {

// One line of the report on stdout, in input order: a file in the batch (its row) or a
// file that could not be added (its status given at once).
struct ReportItem {
    std::string path;
    int row = -1;
    std::string status;  // for row -1
};

// The batch host of the command line: questions are answered No (and shown on stderr),
// progress goes to stderr when it is a terminal, and Ctrl+C (SIGINT), SIGTERM and SIGHUP
// act as the Cancel button, as does a closed standard output. Report lines "path TAB
// status" go to stdout in input order, each as soon as it and every line before it are
// known.
class TerminalHost : public BatchHost {
public:
    TerminalHost(std::vector<ReportItem> items, size_t rowCount, bool showProgress, bool quiet);

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
    // "Cancelled". True when every file converted.
    bool FinishReport();
    // The error number of the first report line that could not be written (EPIPE when
    // standard output was closed), or 0.
    int ReportError() const { return reportError_; }

private:
    void PrintDueLines();
    void ShowProgress(const std::string& text);

    std::vector<ReportItem> items_;
    size_t printed_ = 0;
    std::vector<std::string> statuses_;
    std::vector<bool> finished_;
    std::vector<bool> converted_;
    std::atomic<int> reportError_{0};  // read by the converting threads' cancel checks
    bool showProgress_;
    bool quiet_;
    std::atomic<int> current_{0};
    int total_ = 0;
    std::mutex terminal_;  // rows converted at once share the progress line
};

}  // namespace tonewright
