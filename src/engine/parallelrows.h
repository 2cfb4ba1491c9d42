#pragma once

#include <string>
#include <vector>

namespace tonewright {

class BatchHost;
class TargetReservations;
struct BatchContext;
struct FileEntry;
struct OutputFormatInfo;

// Converts up to context.jobs rows at once, each on its own thread. Rows start, and choose
// their targets, in list order; every call into the host is made under one lock, except a
// row's progress and the cancel checks while its file converts, and the calling thread
// lets the host handle its events meanwhile. Cancel stops the running rows (they read "Cancelled") and starts
// no more. converted[i] gets the target of entries[i] when it converted. True when
// cancelled.
bool ConvertRowsAtOnce(const std::vector<FileEntry*>& entries, const std::vector<int>& rows,
                       const BatchContext& context, const OutputFormatInfo& format, BatchHost& host,
                       TargetReservations& reservations, std::vector<std::string>& converted);

}  // namespace tonewright
