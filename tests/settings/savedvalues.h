#pragma once

#include <map>
#include <string>

#include "settings/settings.h"

namespace tonewright {

constexpr unsigned kSaveAll = kSaveWindowState | kSaveFolder | kSaveOptions | kSaveWindowPlacement;

// Every value of `settings` as the store receives it, keyed "group/name": a way to compare
// whole records in tests.
inline std::map<std::string, std::string> SavedValues(const Settings& settings) {
    MemorySettingsStore store;
    SaveSettings(settings, store, kSaveAll);
    return store.values();
}

}  // namespace tonewright
