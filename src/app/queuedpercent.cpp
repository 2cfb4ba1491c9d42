#include "app/queuedpercent.h"

#include <utility>

namespace tonewright {

QueuedPercent::QueuedPercent(QObject& guiReceiver, ShowPercent show) : gui_(guiReceiver), show_(std::move(show)) {}

void QueuedPercent::Set(int percent) {
    if (percent <= shown_) return;
    shown_ = percent;
    latest_->percent = percent;
    if (latest_->queued.exchange(true)) return;
    QMetaObject::invokeMethod(
        &gui_,
        [latest = latest_, show = show_] {
            // Cleared before the read: a percentage stored after it queues a call of its own.
            latest->queued = false;
            show(latest->percent);
        },
        Qt::QueuedConnection);
}

}  // namespace tonewright
