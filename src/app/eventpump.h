#pragma once

#include <QElapsedTimer>

namespace tonewright {

// Lets the user interface handle its pending events from inside a long loop, at most once
// every few milliseconds: often enough for moving bars and a prompt Cancel, rarely enough
// that repainting the windows does not slow down the work.
class EventPump {
public:
    void Pump();
    // Like Pump, with `beforeEvents` run first when the events are let through.
    template <typename Work>
    void Pump(Work beforeEvents) {
        if (!Due()) return;
        beforeEvents();
        Pump();
    }
    // Whether Pump would let the events through now.
    bool Due() const;

private:
    QElapsedTimer sinceLastPump_;
};

}  // namespace tonewright
