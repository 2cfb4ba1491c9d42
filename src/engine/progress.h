#pragma once

#include "engine/batchhost.h"

namespace tonewright {

// One row's file as its conversion reads it: what the block loop reports goes to the host
// as that row's progress, and the loop asks the host whether to stop.
class FileProgress {
public:
    FileProgress(BatchHost& host, int row, int barSteps) : host_(host), row_(row), barSteps_(barSteps) {}

    // The steps of the row's file bar, as the host gave them when the row started.
    int barSteps() const { return barSteps_; }
    void Report(const RowProgress& progress) { host_.RowProgressed(row_, progress); }
    bool Cancelled() { return host_.Cancelled(); }

private:
    BatchHost& host_;
    int row_;
    int barSteps_;
};

}  // namespace tonewright
