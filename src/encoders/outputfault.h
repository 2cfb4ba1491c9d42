#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tonewright {

// Test hook: a planned failure of the files OutputFile creates, so tests can watch every
// writer and the batch meet a refused file, a full disk, a disk that takes fewer bytes per
// write than asked, or a failing close. Nothing is planned unless a test asks for it, in
// process through PlanOutputFault or in a child process through the environment variable
// TONEWRIGHT_FAULT (read once, when first needed, and only by builds made with
// TONEWRIGHT_FAULT_HOOK, which the test builds turn on). Its value is a comma-separated
// list of "open", "close", "fsync", "after=N", "short=N", "buffer=N", "files=N" and
// "pause=FD" (see OutputFault); an unset, empty or malformed value plans nothing. With rows
// converted at once, which row's file a plan hits first is left to chance.
struct OutputFault {
    bool failOpen = false;        // creating the file fails (EACCES)
    bool failClose = false;       // closing fails (EIO) after every byte was written
    int64_t failAfterBytes = -1;  // writes fail (ENOSPC) once this many bytes reached the file; -1 never
    size_t writeLimit = 0;        // each write takes at most this many bytes; 0 no limit
    size_t bufferSize = 0;        // the file buffers at most this many bytes, so that a failure
                                  // shows while the encoder still writes; 0 the usual size
    bool failSync = false;        // the fsync of a finished target before it gets its name fails (EIO)
    int files = 1;                // how many of the next files created (or synced) get the plan
    int pauseDescriptor = -1;     // a descriptor (inherited from the test) on which the batch
                                  // stops at each step of a target; -1 never (see PauseAtTargetStep)

    // A fault of the writes through OutputFile.
    bool AnyWrite() const { return failOpen || failClose || failAfterBytes >= 0 || writeLimit > 0 || bufferSize > 0; }
    bool Any() const { return AnyWrite() || failSync || pauseDescriptor >= 0; }
};

// Plans `fault` for the next `fault.files` files created in this process, replacing any
// earlier plan. A default OutputFault clears the plan.
void PlanOutputFault(const OutputFault& fault);

// The fault for a file being created now, counted against the plan; no fault when none is
// planned.
OutputFault TakeOutputFault();

// True when the planned fault fails this fsync of a finished target, counted against the
// plan's own count of files (apart from the writes' count).
bool TakeSyncFault();

// The steps of a target at which a test may hold the batch.
enum class TargetStep { Created, Committing };

// With "pause=FD" planned: writes "created PATH\n" (the temporary file was just created)
// or "committing PATH\n" (it is complete and about to get the target's name) to FD, and
// waits until one byte comes back on it, so a test can change the folder at a known
// point. One step at a time when rows convert at once. Nothing otherwise.
void PauseAtTargetStep(TargetStep step, const std::string& temporary);

// Reads the TONEWRIGHT_FAULT notation. False (and `fault` untouched) on anything else.
bool ParseOutputFault(const std::string& text, OutputFault& fault);

}  // namespace tonewright
