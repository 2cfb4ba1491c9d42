#pragma once

#include <vector>

namespace tonewright {

class BatchHost;
class TargetReservations;
struct BatchContext;
struct FileEntry;
struct OutputFormatInfo;

// Converts up to context.jobs rows at once, each on its own thread with its own progress
// object from the host. Rows start in list order; every call into the host is made under
// one lock, and the calling thread pumps the host's events meanwhile. Cancel stops the
// running rows (they read "Cancelled") and starts no more. True when cancelled.
bool ConvertRowsAtOnce(const std::vector<FileEntry*>& entries, const std::vector<int>& rows,
                       const BatchContext& context, const OutputFormatInfo& format, BatchHost& host,
                       TargetReservations& reservations);

}  // namespace tonewright
