#include "cli/terminalhost.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <utility>

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

TerminalHost::TerminalHost(std::vector<ReportItem> items, size_t rowCount, bool showProgress, bool quiet)
    : items_(std::move(items)),
      statuses_(rowCount),
      finished_(rowCount, false),
      converted_(rowCount, false),
      showProgress_(showProgress && !quiet),
      quiet_(quiet) {}

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
    if (!quiet_) std::fprintf(stderr, "%s\n(answered No)\n", question.text.c_str());
    return false;
}

void TerminalHost::BatchStarted(const BatchStart& start) {
    total_ = start.fileCount;
    current_ = 0;
}

void TerminalHost::BatchFinished(const BatchEnd&) {
    if (showProgress_) std::fputs("\r\033[K", stderr);
}

int TerminalHost::RowStarted(int, const RowStart& start) {
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
    if (row < 0 || static_cast<size_t>(row) >= statuses_.size()) return;
    statuses_[row] = end.status;
    finished_[row] = true;
    converted_[row] = end.converted;
    PrintDueLines();
}

void TerminalHost::PrintDueLines() {
    bool wrote = false;
    for (; printed_ < items_.size(); ++printed_) {
        const ReportItem& item = items_[printed_];
        if (item.row >= 0 && !finished_[item.row]) break;
        if (reportError_ != 0) continue;  // nobody can read the rest
        if (showProgress_ && !wrote) std::fputs("\r\033[K", stderr);
        const std::string& status = item.row >= 0 ? statuses_[item.row] : item.status;
        std::printf("%s\t%s\n", item.path.c_str(), status.c_str());
        wrote = true;
    }
    if (wrote && (std::fflush(stdout) != 0 || std::ferror(stdout))) reportError_ = errno ? errno : EIO;
}

bool TerminalHost::Cancelled() { return cancelSignal != 0 || reportError_ == EPIPE; }

bool TerminalHost::FinishReport() {
    for (size_t row = 0; row < finished_.size(); ++row) {
        if (finished_[row]) continue;
        statuses_[row] = "Cancelled";
        finished_[row] = true;
    }
    PrintDueLines();
    bool all = true;
    for (const ReportItem& item : items_) all = all && item.row >= 0 && converted_[item.row];
    return all;
}

}  // namespace tonewright
