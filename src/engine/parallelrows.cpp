#include "engine/parallelrows.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "base/inputtype.h"
#include "engine/batch.h"
#include "engine/batchrow.h"
#include "engine/fileentry.h"
#include "engine/optionalparts.h"
#include "engine/progress.h"
#include "engine/targetpath.h"

namespace tonewright {

namespace {

// How often the calling thread lets the host handle its events while rows convert.
constexpr auto kPumpInterval = std::chrono::milliseconds(20);

// Lets rows take a step one at a time in list order. Rows choose their targets this way,
// outside the host lock: a row whose name an earlier, still converting row holds waits
// there for that row's outcome, and meanwhile the host must go on handling its events.
class ListOrder {
public:
    // Waits until every row before `row` took its step, then runs `step`.
    template <typename Step>
    void InTurn(int row, Step&& step) {
        {
            std::unique_lock<std::mutex> lock(mutex_);
            advanced_.wait(lock, [&] { return next_ == row; });
        }
        step();
        {
            std::lock_guard<std::mutex> lock(mutex_);
            ++next_;
        }
        advanced_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable advanced_;
    int next_ = 0;
};

}  // namespace

bool ConvertRowsAtOnce(const std::vector<FileEntry*>& entries, const std::vector<int>& rows,
                       const BatchContext& context, const OutputFormatInfo& format, BatchHost& host,
                       TargetReservations& reservations, std::vector<std::string>& converted) {
    const int total = static_cast<int>(entries.size());
    std::mutex hostLock;
    int next = 0;  // the next row to take, under hostLock
    std::atomic<int> running{0};
    std::atomic<bool> cancelled{false};
    ListOrder order;

    auto convertRows = [&] {
        for (;;) {
            int i = 0;
            RowResult result;
            TargetPaths paths;
            std::optional<FileProgress> progress;
            bool chosen = false;
            {
                // Rows are taken in list order, and choose their targets in that order.
                std::lock_guard<std::mutex> lock(hostLock);
                i = next++;
                if (i >= total || cancelled) break;
                if (entries[i]->inputType == kInputMidi && !context.parts->soundFontLoaded()) {
                    result = MissingSoundFont();
                } else {
                    progress.emplace(host, rows[i], AnnounceRow(*entries[i], rows[i], i + 1, total, format, host));
                }
            }
            order.InTurn(i, [&] {
                if (progress) chosen = ChooseRowTarget(*entries[i], context, reservations, paths, result);
            });
            if (chosen) result = ConvertToRowTarget(*entries[i], i + 1, context, format, *progress, paths);
            std::lock_guard<std::mutex> lock(hostLock);
            if (host.Cancelled()) cancelled = true;
            FinishRow(*entries[i], rows[i], result, cancelled && !result.converted, host);
            if (result.converted) converted[i] = entries[i]->targetPath;
        }
        --running;
    };

    const int threads = std::min(context.jobs, total);
    running = threads;
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) workers.emplace_back(convertRows);
    while (running > 0) {
        {
            std::lock_guard<std::mutex> lock(hostLock);
            if (host.Cancelled()) cancelled = true;
        }
        std::this_thread::sleep_for(kPumpInterval);
    }
    for (std::thread& worker : workers) worker.join();
    return cancelled;
}

}  // namespace tonewright
