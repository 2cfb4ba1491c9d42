#include "engine/targetreservations.h"

#include <utility>

namespace tonewright {

ReservedName::ReservedName(TargetReservations& reservations, std::string name)
    : reservations_(&reservations), name_(std::move(name)) {}

ReservedName::~ReservedName() { Release(); }

ReservedName::ReservedName(ReservedName&& other) noexcept
    : reservations_(other.reservations_), name_(std::move(other.name_)) {
    other.reservations_ = nullptr;
}

ReservedName& ReservedName::operator=(ReservedName&& other) noexcept {
    if (this != &other) {
        Release();
        reservations_ = other.reservations_;
        name_ = std::move(other.name_);
        other.reservations_ = nullptr;
    }
    return *this;
}

void ReservedName::End(bool kept) {
    if (reservations_) reservations_->End(name_, kept);
    reservations_ = nullptr;
}

bool ReservedName::MoveTo(const std::string& other) {
    if (reservations_ && !reservations_->Move(name_, other)) return false;
    name_ = other;
    return true;
}

bool TargetReservations::Taken(std::unique_lock<std::mutex>& lock, const std::string& target) {
    ended_.wait(lock, [&] {
        const auto it = names_.find(target);
        return it == names_.end() || it->second;
    });
    return names_.count(target) != 0;
}

ReservedName TargetReservations::Reserve(const std::string& target) {
    names_[target] = false;
    return ReservedName(*this, target);
}

bool TargetReservations::Move(const std::string& from, const std::string& to) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!names_.emplace(to, false).second) return false;
        names_.erase(from);
    }
    ended_.notify_all();
    return true;
}

void TargetReservations::End(const std::string& target, bool kept) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (kept) names_[target] = true;
        else names_.erase(target);
    }
    ended_.notify_all();
}

}  // namespace tonewright
