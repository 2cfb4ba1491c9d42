#pragma once

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>

namespace tonewright {

// The percentage of one row of a batch that converts several rows at once, handed from
// the worker thread that converts it to the GUI thread. Widgets belong to the GUI thread,
// so the percentage travels there as a queued call of `show`. Updates are coalesced: while
// one waits in the GUI thread's queue, a newer percentage only replaces the value it will
// show, so a fast row never floods the queue.
class QueuedPercent {
public:
    using ShowPercent = std::function<void(int percent)>;

    // `guiReceiver` lives on the GUI thread (its destruction drops the updates still
    // waiting).
    QueuedPercent(QObject& guiReceiver, ShowPercent show);

    // From the row's worker: hands on a percentage above the ones before it; the Status
    // cell starts without one, so 0 is not handed on.
    void Set(int percent);

private:
    // Shared with the queued call, which may run after this object is gone.
    struct Latest {
        std::atomic<int> percent{0};
        std::atomic<bool> queued{false};
    };

    QObject& gui_;
    ShowPercent show_;
    std::shared_ptr<Latest> latest_ = std::make_shared<Latest>();
    int shown_ = 0;  // the highest percentage handed on
};

}  // namespace tonewright
