#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

#include "reliability/hostileseeds.h"

namespace hostile {

// Render rate of MIDI files and tracker modules in the corpus runs.
constexpr int kRenderRate = 44100;

struct DriveResult {
    bool opened = false;
    std::string failureReason;  // set by OpenSource when no decoder took the file
    uint64_t frames = 0;        // frames the read loop handed on
    bool capped = false;        // a rendered song was cut at the corpus's cap
};

// Opens the file the two ways the program does (properties for the file list, then a
// decoder for conversion) and runs the pipelines' read loop to the end. Every property or
// block outside the source contract, and a stream that delivers far more than its file
// can hold, fails the current test naming `label`.
DriveResult DriveThroughOpenSource(const std::string& path, const std::string& label);

// Runs Tonewright's own reader of the family on the file directly, with the same checks.
void DriveOwnReader(OwnReader reader, const std::string& path, const std::string& label);

// Ends the test program, naming the file in hand, when one file takes longer than the
// given time: a hang shows as a failure with its file instead of a stuck run. A crash while
// a file is watched names the file on standard error too.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    void Watch(const std::string& label);
    void Done();

private:
    void Run();

    const std::chrono::seconds limit_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::string label_;
    std::chrono::steady_clock::time_point deadline_;
    bool watching_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace hostile
