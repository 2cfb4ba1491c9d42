#include "engine/parallelrows.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>

#include "engine/batch.h"
#include "engine/batchrow.h"
#include "engine/fileentry.h"
#include "engine/inputtype.h"

namespace tonewright {

namespace {

// How often the calling thread lets the host handle its events while rows convert.
constexpr auto kPumpInterval = std::chrono::milliseconds(20);

}  // namespace

bool ConvertRowsAtOnce(const std::vector<FileEntry*>& entries, const std::vector<int>& rows,
                       const BatchContext& context, const OutputFormatInfo& format, BatchHost& host,
                       TargetReservations& reservations) {
    const int total = static_cast<int>(entries.size());
    std::mutex hostLock;
    std::atomic<int> next{0};
    std::atomic<int> running{0};
    std::atomic<bool> cancelled{false};

    auto convertRows = [&] {
        for (int i = next++; i < total && !cancelled; i = next++) {
            FileEntry& entry = *entries[i];
            RowResult result;
            if (entry.inputType == kInputMidi && !context.soundFontReady) {
                result = MissingSoundFont();
            } else {
                std::unique_ptr<FileProgress> progress;
                {
                    std::lock_guard<std::mutex> lock(hostLock);
                    AnnounceRow(rows[i], i + 1, total, format, host);
                    progress = host.CreateRowProgress(rows[i]);
                }
                result = ConvertRow(entry, i + 1, context, format, *progress, reservations);
            }
            std::lock_guard<std::mutex> lock(hostLock);
            if (host.IsCancelled()) cancelled = true;
            FinishRow(entry, rows[i], result, cancelled && !result.converted, host);
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
            host.PumpEvents();
            if (host.IsCancelled()) cancelled = true;
        }
        std::this_thread::sleep_for(kPumpInterval);
    }
    for (std::thread& worker : workers) worker.join();
    return cancelled;
}

}  // namespace tonewright
