#pragma once

#include <QElapsedTimer>

namespace tonewright {

// Lets the user interface handle its pending events from inside a long loop, at most once
// every few milliseconds: often enough for moving bars and a prompt Cancel, rarely enough
// that repainting the windows does not slow down the work.
class EventPump {
public:
    void Pump();

private:
    QElapsedTimer sinceLastPump_;
};

}  // namespace tonewright
