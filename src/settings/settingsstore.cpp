#include "settings/settingsstore.h"

#include <charconv>

namespace tonewright {

namespace {

std::string Key(const std::string& group, const std::string& name) { return group + "/" + name; }

}  // namespace

std::optional<int> ParseWholeNumber(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

std::optional<int> SettingsStore::readInt(const std::string& group, const std::string& name) const {
    const std::optional<std::string> text = readText(group, name);
    return text ? ParseWholeNumber(*text) : std::nullopt;
}

bool MemorySettingsStore::hasGroup(const std::string& group) const {
    const std::string prefix = group + "/";
    const auto next = values_.lower_bound(prefix);
    return next != values_.end() && next->first.compare(0, prefix.size(), prefix) == 0;
}

std::optional<std::string> MemorySettingsStore::readText(const std::string& group, const std::string& name) const {
    const auto found = values_.find(Key(group, name));
    if (found == values_.end()) return std::nullopt;
    return found->second;
}

void MemorySettingsStore::writeInt(const std::string& group, const std::string& name, int value) {
    store(group, name, std::to_string(value));
}

void MemorySettingsStore::writeText(const std::string& group, const std::string& name, const std::string& value) {
    store(group, name, value);
}

void MemorySettingsStore::preset(const std::string& group, const std::string& name, const std::string& raw) {
    values_[Key(group, name)] = raw;
}

void MemorySettingsStore::store(const std::string& group, const std::string& name, const std::string& raw) {
    preset(group, name, raw);
    writes_.push_back(Key(group, name));
}

}  // namespace tonewright
