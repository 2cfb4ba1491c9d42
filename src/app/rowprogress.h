#pragma once

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>

#include "engine/progress.h"

namespace tonewright {

// The progress of one row of a batch that converts several rows at once, used from the
// worker thread that converts it. Widgets belong to the GUI thread, so the row's
// percentage travels there as a queued call of `show`. Updates are coalesced: while one
// waits in the GUI thread's queue, a newer percentage only replaces the value it will show,
// so a fast row never floods the queue. The text line is left to the batch: the row's
// Status cell shows its percentage, and the GUI thread's event pump serves every row.
class RowProgress : public FileProgress {
public:
    using ShowPercent = std::function<void(int percent)>;

    // `guiReceiver` lives on the GUI thread (its destruction drops the updates still
    // waiting); `cancelled` answers IsCancelled from any thread.
    RowProgress(QObject& guiReceiver, std::function<bool()> cancelled, ShowPercent show);

    void SetFileText(const std::string&) override {}
    // Whole percents: the bar positions are the percentages the Status cell shows.
    int FileBarWidth() const override { return 100; }
    void SetFileBarRange(int maximum) override;
    void SetFileBarPosition(int position) override;
    void PumpEvents() override {}
    bool IsCancelled() const override { return cancelled_(); }

private:
    // Shared with the queued call, which may run after this object is gone.
    struct Latest {
        std::atomic<int> percent{0};
        std::atomic<bool> queued{false};
    };

    QObject& gui_;
    std::function<bool()> cancelled_;
    ShowPercent show_;
    std::shared_ptr<Latest> latest_ = std::make_shared<Latest>();
    int range_ = 100;
    int shown_ = 0;  // the highest percentage handed on; the Status cell starts without one
};

}  // namespace tonewright
