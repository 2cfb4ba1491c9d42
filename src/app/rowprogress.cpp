#include "app/rowprogress.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace tonewright {

RowProgress::RowProgress(QObject& guiReceiver, std::function<bool()> cancelled, ShowPercent show)
    : gui_(guiReceiver), cancelled_(std::move(cancelled)), show_(std::move(show)) {}

void RowProgress::SetFileBarRange(int maximum) { range_ = std::max(maximum, 1); }

void RowProgress::SetFileBarPosition(int position) {
    const int percent = static_cast<int>(std::clamp<int64_t>(int64_t{position} * 100 / range_, 0, 100));
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
