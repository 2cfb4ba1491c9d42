#pragma once

#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <string>

namespace tonewright {

class TargetReservations;

// A row's hold on the name it was given. The row keeps the name when its file got it, and
// gives it back when it failed or was cancelled (or the hold ends unkept), so a later row
// of the batch may take the name.
class ReservedName {
public:
    ReservedName() = default;
    ReservedName(TargetReservations& reservations, std::string name);
    ~ReservedName();
    ReservedName(ReservedName&& other) noexcept;
    ReservedName& operator=(ReservedName&& other) noexcept;
    ReservedName(const ReservedName&) = delete;
    ReservedName& operator=(const ReservedName&) = delete;

    void Keep() { End(true); }
    void Release() { End(false); }
    // Holds `other` instead, when no row of the batch holds it; false (the hold unchanged)
    // when one does. Without a batch every name is free here.
    bool MoveTo(const std::string& other);

private:
    void End(bool kept);

    TargetReservations* reservations_ = nullptr;
    std::string name_;
};

// The target names a running batch has given out. A name given to one row is never given
// to another while that row's file carries it, so rows converted at the same time (or one
// after the other with "Overwrite") never write over each other's output.
class TargetReservations {
public:
    // Held while a row looks for a free name and takes it.
    std::unique_lock<std::mutex> Lock() { return std::unique_lock<std::mutex>(mutex_); }
    // With `lock` (from Lock) held: true when `target` was given to a row that kept it.
    // While that row still converts, waits for its outcome, letting the lock go meanwhile,
    // so rows converted at once get the names they would get one after the other.
    bool Taken(std::unique_lock<std::mutex>& lock, const std::string& target);
    // With the lock held: gives `target` to the calling row.
    ReservedName Reserve(const std::string& target);
    // Without the lock: gives `to` to the holder of `from` unless a row holds it already.
    bool Move(const std::string& from, const std::string& to);
    // With the lock held: true the first time a folder gets a target of this batch.
    bool FirstTargetIn(const std::string& folder) { return folders_.insert(folder).second; }

private:
    friend class ReservedName;
    void End(const std::string& target, bool kept);

    std::mutex mutex_;
    std::condition_variable ended_;
    std::map<std::string, bool> names_;  // name -> kept (false while its row converts)
    std::set<std::string> folders_;
};

}  // namespace tonewright
