#pragma once

#include <string>
#include <vector>

namespace tonewright {

// The rows are about to start: the questions are behind, no row has begun.
struct BatchStart {
    int fileCount = 0;
    bool rowsAtOnce = false;  // rows convert on worker threads, several at a time
};

// A row begins. The texts are the ones the row shows until its file reports progress.
struct RowStart {
    std::string status;     // "Converting..."
    std::string batchText;  // "Converting 2 of 5 file(s) to MP3..."
    std::string fileText;   // "Converting name.wav..."
};

// How far the row's file has come; reported only when the percentage or the bar grows,
// and once more, full, when the file has been read to its end.
struct RowProgress {
    int percent = 0;    // 0..100
    int bar = 0;        // 0..the bar steps the host gave for the row
    std::string text;   // "Converting name.wav...42%"
};

// A row's outcome.
struct RowEnd {
    bool converted = false;
    bool failureHasReason = false;  // a failure whose status says why ("Conversion Failure (...)")
    std::string status;             // the target's name, the failure, or "Cancelled"
};

// The batch is over: every row that started has ended.
struct BatchEnd {
    bool cancelled = false;
    std::vector<std::string> convertedTargets;  // the files written, in batch order
};

// A question asked before the rows start, answered Yes or No. On Yes the host opens the
// folder, then the page (either may be empty), so the user can go and get what is missing.
struct Question {
    std::string text;
    std::string folder;
    std::string page;
};

// What the batch driver tells and asks the program around it: the batch's and the rows'
// events, the questions, the cancel check. The desktop program decides what its windows
// do with the events, the command line turns them into its report and progress line.
//
// Threads: with rows at once, RowStarted, RowProgressed, RowFinished and Cancelled come
// from the worker threads as well. The engine makes these calls under one lock, except a
// row's progress and the cancel checks while its file converts, which come from the row's
// own worker at any time.
class BatchHost {
public:
    virtual ~BatchHost() = default;

    virtual void BatchStarted(const BatchStart& start) = 0;
    // Returns how many steps the row's file bar has (its width on screen, say); the
    // progress of the row's file counts its bar in these steps.
    virtual int RowStarted(int row, const RowStart& start) = 0;
    virtual void RowProgressed(int row, const RowProgress& progress) = 0;
    virtual void RowFinished(int row, const RowEnd& end) = 0;
    virtual void BatchFinished(const BatchEnd& end) = 0;

    // True for Yes.
    virtual bool Ask(const Question& question) = 0;

    // Whether the user asked to stop. Asked often while a file converts; a host whose
    // user interface needs its events handled does so here, on the thread that runs it.
    virtual bool Cancelled() = 0;
};

}  // namespace tonewright
