#include "cli/terminalhost.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <utility>

#include "base/pathutil.h"
#include "engine/filelist.h"

namespace tonewright {

namespace {

// The signal that cancels the batch, 0 until one comes. Lock-free, so the signal handler
// may set it and every converting thread may read it.
std::atomic<int> cancelSignal{0};
static_assert(std::atomic<int>::is_always_lock_free);

// The signals that act as the Cancel button: Ctrl+C, a polite kill, a closed terminal.
constexpr int kCancelSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The progress line shows whole percents.
constexpr int kProgressSteps = 100;

void OnCancelSignal(int signal) {
    int none = 0;
    cancelSignal.compare_exchange_strong(none, signal);
}

}  // namespace

TerminalHost::TerminalHost(std::vector<ReportItem> items, const FileList& list, ReportStyle style)
    : items_(std::move(items)),
      list_(list),
      rows_(list.size()),
      finished_(list.size(), false),
      started_(list.size()),
      style_(std::move(style)),
      showProgress_(style_.showProgress && !style_.quiet) {}

void TerminalHost::InstallCancelHandlers() {
    struct sigaction action {};
    action.sa_handler = OnCancelSignal;
    sigemptyset(&action.sa_mask);
    // A report line being written when the signal comes is finished, not cut off with
    // EINTR (std::signal leaves that flag to the C library and to instrumented builds);
    // the same signal again ends the program at once.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int signal : kCancelSignals) sigaction(signal, &action, nullptr);
}

int TerminalHost::CancelSignal() { return cancelSignal; }

bool TerminalHost::Ask(const Question& question) {
    if (!style_.quiet) std::fprintf(stderr, "%s\n(answered No)\n", question.text.c_str());
    return false;
}

void TerminalHost::BatchStarted(const BatchStart& start) {
    total_ = start.fileCount;
    current_ = 0;
}

void TerminalHost::BatchFinished(const BatchEnd&) {
    if (showProgress_) std::fputs("\r\033[K", stderr);
}

int TerminalHost::RowStarted(int row, const RowStart& start) {
    if (row >= 0 && static_cast<size_t>(row) < started_.size()) started_[row] = std::chrono::steady_clock::now();
    ++current_;
    ShowProgress(start.fileText);
    return kProgressSteps;
}

void TerminalHost::RowProgressed(int, const RowProgress& progress) { ShowProgress(progress.text); }

void TerminalHost::ShowProgress(const std::string& text) {
    if (!showProgress_) return;
    std::lock_guard<std::mutex> lock(terminal_);
    std::fprintf(stderr, "\r\033[K[%d/%d] %s", current_.load(), total_, text.c_str());
}

void TerminalHost::RowFinished(int row, const RowEnd& end) {
    if (row < 0 || static_cast<size_t>(row) >= rows_.size()) return;
    ReportRow& report = rows_[row];
    report.status = end.status;
    report.outcome = end.converted ? RowOutcome::Converted : OutcomeOfStatus(end.status);
    report.target = end.converted ? list_[row].targetPath : std::string();
    if (started_[row] != std::chrono::steady_clock::time_point{})  // a row that never started took no time
        report.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started_[row]).count();
    finished_[row] = true;
    if (end.converted) NoteFallback(list_[row].sourcePath, report.target);
    PrintDueLines();
}

// A target outside the folder asked for went to the documents folder: said once per folder
// that could not be used.
void TerminalHost::NoteFallback(const std::string& source, const std::string& target) {
    std::string folder = style_.outputFolder.empty() ? FolderOf(source) : style_.outputFolder;
    if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    if (target.compare(0, folder.size() + 1, folder + "/") == 0 || !fallbackFolders_.insert(folder).second) return;
    std::string written = FolderOf(target);
    if (written.size() > 1) written.pop_back();
    std::lock_guard<std::mutex> lock(terminal_);
    if (showProgress_) std::fputs("\r\033[K", stderr);
    std::fprintf(stderr, "tonewright-cli: %s cannot be used; writing to %s instead (--no-fallback refuses)\n",
                 folder.c_str(), written.c_str());
}

void TerminalHost::PrintDueLines() {
    bool wrote = false;
    for (; printed_ < items_.size(); ++printed_) {
        const ReportItem& item = items_[printed_];
        if (item.row >= 0 && !finished_[item.row]) break;
        if (reportError_ != 0) continue;  // nobody can read the rest
        if (showProgress_ && !wrote) std::fputs("\r\033[K", stderr);
        ReportRow row = item.row >= 0 ? rows_[item.row] : ReportRow{{}, item.target, item.status, item.outcome, 0};
        row.source = item.path;  // as given
        const std::string line = style_.json ? JsonLine(row) : TabLine(row);
        std::fwrite(line.data(), 1, line.size(), stdout);
        wrote = true;
    }
    if (wrote && (std::fflush(stdout) != 0 || std::ferror(stdout))) reportError_ = errno ? errno : EIO;
}

bool TerminalHost::Cancelled() { return cancelSignal != 0 || reportError_ == EPIPE; }

ReportTally TerminalHost::FinishReport() {
    for (size_t row = 0; row < finished_.size(); ++row) {
        if (finished_[row]) continue;
        rows_[row].status = "Cancelled";
        rows_[row].outcome = RowOutcome::Cancelled;
        finished_[row] = true;
    }
    PrintDueLines();
    ReportTally tally;
    for (const ReportItem& item : items_) {
        switch (item.row >= 0 ? rows_[item.row].outcome : item.outcome) {
            case RowOutcome::Converted: ++tally.converted; break;
            case RowOutcome::Copied: ++tally.copied; break;
            case RowOutcome::Skipped: ++tally.skipped; break;
            case RowOutcome::Failed: ++tally.failed; break;
            case RowOutcome::Cancelled: ++tally.cancelled; break;
        }
    }
    return tally;
}

}  // namespace tonewright
