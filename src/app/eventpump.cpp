#include "app/eventpump.h"

#include <QCoreApplication>

namespace tonewright {

namespace {

// About 60 times a second, as often as a screen shows a change.
constexpr qint64 kPumpIntervalMs = 16;

}  // namespace

bool EventPump::Due() const { return !sinceLastPump_.isValid() || sinceLastPump_.elapsed() >= kPumpIntervalMs; }

void EventPump::Pump() {
    if (!Due()) return;
    QCoreApplication::processEvents();
    sinceLastPump_.start();
}

}  // namespace tonewright
