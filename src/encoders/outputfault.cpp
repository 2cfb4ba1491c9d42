#include "encoders/outputfault.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <mutex>
#include <sstream>

namespace tonewright {

namespace {

constexpr long long kMostFiles = 1000000;

std::mutex planLock;
OutputFault plan;
int syncFailures = 0;  // fsyncs still to fail
std::once_flag environmentRead;
std::mutex pauseLock;  // one step held at a time

// A decimal count of at least `least`, nothing else.
bool ParseCount(const std::string& text, long long least, long long& value) {
    if (text.empty() || text.size() > 18 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    value = std::stoll(text);
    return value >= least;
}

bool ParseItem(const std::string& item, OutputFault& fault) {
    if (item == "open" || item == "close" || item == "fsync") {
        (item == "open" ? fault.failOpen : item == "close" ? fault.failClose : fault.failSync) = true;
        return true;
    }
    const size_t equals = item.find('=');
    if (equals == std::string::npos) return false;
    const std::string key = item.substr(0, equals);
    long long value = 0;
    if (key == "after" && ParseCount(item.substr(equals + 1), 0, value)) fault.failAfterBytes = value;
    else if (key == "short" && ParseCount(item.substr(equals + 1), 1, value))
        fault.writeLimit = static_cast<size_t>(value);
    else if (key == "buffer" && ParseCount(item.substr(equals + 1), 1, value))
        fault.bufferSize = static_cast<size_t>(value);
    else if (key == "files" && ParseCount(item.substr(equals + 1), 1, value) && value <= kMostFiles)
        fault.files = static_cast<int>(value);
    else if (key == "pause" && ParseCount(item.substr(equals + 1), 0, value) && value <= INT_MAX)
        fault.pauseDescriptor = static_cast<int>(value);
    else
        return false;
    return true;
}

// Only builds made for testing read the environment; the shipped programs never do.
void PlanFromEnvironment() {
#ifdef TONEWRIGHT_FAULT_HOOK
    const char* text = std::getenv("TONEWRIGHT_FAULT");
    OutputFault fault;
    if (text && ParseOutputFault(text, fault)) {
        plan = fault;
        syncFailures = fault.failSync ? fault.files : 0;
    }
#endif
}

// The environment's plan, read once, unless a plan made in process came first.
void ReadEnvironmentOnce() {
    std::call_once(environmentRead, [] {
        const std::lock_guard<std::mutex> guard(planLock);
        PlanFromEnvironment();
    });
}

void WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += static_cast<size_t>(n);
    }
}

}  // namespace

bool ParseOutputFault(const std::string& text, OutputFault& fault) {
    OutputFault parsed;
    std::istringstream items(text);
    std::string item;
    while (std::getline(items, item, ','))
        if (!ParseItem(item, parsed)) return false;
    if (!parsed.Any()) return false;
    fault = parsed;
    return true;
}

// A plan made in process wins over the environment's, which is then never read.
void PlanOutputFault(const OutputFault& fault) {
    std::call_once(environmentRead, [] {});
    const std::lock_guard<std::mutex> guard(planLock);
    plan = fault;
    syncFailures = fault.failSync ? fault.files : 0;
}

OutputFault TakeOutputFault() {
    ReadEnvironmentOnce();
    const std::lock_guard<std::mutex> guard(planLock);
    if (plan.files <= 0 || !plan.AnyWrite()) return OutputFault{};
    --plan.files;
    OutputFault taken = plan;
    taken.failSync = false;
    taken.pauseDescriptor = -1;
    return taken;
}

bool TakeSyncFault() {
    ReadEnvironmentOnce();
    const std::lock_guard<std::mutex> guard(planLock);
    if (syncFailures <= 0) return false;
    --syncFailures;
    return true;
}

void PauseAtTargetStep(TargetStep step, const std::string& temporary) {
    int fd = -1;
    ReadEnvironmentOnce();
    {
        const std::lock_guard<std::mutex> guard(planLock);
        fd = plan.pauseDescriptor;
    }
    if (fd < 0) return;
    const std::lock_guard<std::mutex> one(pauseLock);
    WriteAll(fd, (step == TargetStep::Created ? "created " : "committing ") + temporary + "\n");
    char reply;
    while (read(fd, &reply, 1) < 0 && errno == EINTR) {
    }
}

}  // namespace tonewright
