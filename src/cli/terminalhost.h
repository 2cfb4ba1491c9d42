#pragma once

#include <atomic>
#include <csignal>
#include <memory>
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
// progress goes to stderr when it is a terminal, and Ctrl+C (SIGINT) acts as the Cancel
// button. Report lines "path TAB status" go to stdout in input order, each as soon as it
// and every line before it are known.
class TerminalHost : public BatchHost {
public:
    TerminalHost(std::vector<ReportItem> items, size_t rowCount, bool showProgress, bool quiet);

    // Makes the first Ctrl+C cancel the batch; a second one ends the program.
    static void InstallInterruptHandler();

    bool AskYesNo(const std::string& text) override;
    void OpenUrl(const std::string&) override {}
    void OpenFolder(const std::string&) override {}
    void SetBusyCursor(bool) override {}
    void SetMainWindowEnabled(bool) override {}
    void OpenProgressWindow(int fileCount) override;
    void CloseProgressWindow() override;
    void SetBatchText(const std::string&) override {}
    void StepBatchBar() override { ++current_; }
    void EnsureRowVisible(int) override {}
    void SetRowStatus(int, const std::string&) override {}
    void RowFinished(int row, bool converted, const std::string& status) override;
    int StatusColumnWidth() const override { return 0; }
    void SetStatusColumnWidth(int) override {}
    void RevealFile(const std::string&) override {}
    bool ConvertsRowsAtOnce() const override { return true; }
    std::unique_ptr<FileProgress> CreateRowProgress(int row) override;

    void SetFileText(const std::string& text) override;
    int FileBarWidth() const override { return 100; }
    void SetFileBarRange(int) override {}
    void SetFileBarPosition(int) override {}
    void PumpEvents() override {}
    bool IsCancelled() const override;

    // Prints what is still due; rows the batch never reached (after a cancel) read
    // "Cancelled". True when every file converted.
    bool FinishReport();

private:
    void PrintDueLines();
    void ShowProgress(const std::string& text);

    std::vector<ReportItem> items_;
    size_t printed_ = 0;
    std::vector<std::string> statuses_;
    std::vector<bool> finished_;
    std::vector<bool> converted_;
    bool showProgress_;
    bool quiet_;
    std::atomic<int> current_{0};
    int total_ = 0;
    std::mutex terminal_;  // rows converted at once share the progress line
};

}  // namespace tonewright
