#pragma once

#include <string>

#include "engine/targetpath.h"

namespace tonewright {

class BatchHost;
class FileProgress;
class TargetReservations;
struct BatchContext;
struct FileEntry;
struct OutputFormatInfo;

// The outcome of converting one row.
struct RowResult {
    bool converted = false;
    bool hasReason = false;  // a failure that carries a reason
    std::string target;      // where the converted file went
    std::string status;
};

// Tells the host that the row at `number` (1-based) of `total` begins; returns the steps
// of its file bar.
int AnnounceRow(const FileEntry& entry, int row, int number, int total, const OutputFormatInfo& format,
                BatchHost& host);

// Converts one row: ChooseRowTarget, then ConvertToRowTarget. `number` is the row's 1-based
// position in the batch (the template track number).
RowResult ConvertRow(FileEntry& entry, int number, const BatchContext& context, const OutputFormatInfo& format,
                     FileProgress& progress, TargetReservations& reservations);

// The first half of a row: resolves its target, reserving the name. False, with the row's
// outcome in `result`, when the row ends here. Rows that run at once choose their targets
// in list order, so names are handed out as they would be one row after the other.
bool ChooseRowTarget(FileEntry& entry, const BatchContext& context, TargetReservations& reservations,
                     TargetPaths& paths, RowResult& result);

// The second half: the format's pipeline into the temporary file, then CommitTarget; the
// file gets the target's name (or the next free one) only when it is complete, and is
// removed otherwise; its descriptor and lock end after either. Safe to run for different
// rows on different threads at once.
RowResult ConvertToRowTarget(const FileEntry& entry, int number, const BatchContext& context,
                             const OutputFormatInfo& format, FileProgress& progress, TargetPaths& paths);

// The outcome of a MIDI row while no SoundFont is available.
RowResult MissingSoundFont();

// Tells the host a finished row's outcome ("Cancelled" for a failed row of a cancelled
// batch). A row that did not convert loses its target path.
void FinishRow(FileEntry& entry, int row, const RowResult& result, bool cancelled, BatchHost& host);

}  // namespace tonewright
