#pragma once

#include <mutex>
#include <set>
#include <string>

namespace tonewright {

// The target names a running batch has given out. A name given to one row is never given
// to another, even before that row's file exists, so rows converted at the same time (or
// one after the other with "Overwrite") never write over each other's output.
class TargetReservations {
public:
    // Held while a row looks for a free name and takes it.
    std::unique_lock<std::mutex> Lock() { return std::unique_lock<std::mutex>(mutex_); }
    // All three to be called with the lock held.
    bool Contains(const std::string& target) const { return names_.count(target) != 0; }
    void Add(const std::string& target) { names_.insert(target); }
    // True the first time a folder gets a target of this batch.
    bool FirstTargetIn(const std::string& folder) { return folders_.insert(folder).second; }

private:
    std::mutex mutex_;
    std::set<std::string> names_;
    std::set<std::string> folders_;
};

}  // namespace tonewright
