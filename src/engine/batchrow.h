#pragma once

#include <string>

namespace tonewright {

class BatchHost;
struct BatchContext;
struct FileEntry;
struct OutputFormatInfo;
class FileProgress;
class TargetReservations;

// The outcome of converting one row.
struct RowResult {
    bool converted = false;
    bool hasReason = false;  // a failure that carries a reason (the status column widens)
    std::string status;
};

// Converts one row: resolves its target (reserving the name), runs the format's pipeline
// into a temporary file beside the target, and gives the file the target's name only when
// it is complete. `number` is the row's 1-based position in the batch (the template track
// number). Safe to run for different rows on different threads at once.
RowResult ConvertRow(FileEntry& entry, int number, const BatchContext& context, const OutputFormatInfo& format,
                     FileProgress& progress, TargetReservations& reservations);

// The outcome of a MIDI row while no SoundFont is available.
RowResult MissingSoundFont();

// Before a row's conversion: its status, the batch line and the batch bar.
void AnnounceRow(int row, int number, int total, const OutputFormatInfo& format, BatchHost& host);

// Writes a finished row's outcome ("Cancelled" for a failed row of a cancelled batch); a
// failure with a reason widens the status column once. A row that did not convert loses
// its target path.
void FinishRow(FileEntry& entry, int row, const RowResult& result, bool cancelled, BatchHost& host);

}  // namespace tonewright
