#pragma once

#include <string>

namespace tonewright {

// What a setting named as SetSettingByName takes it may hold, in words, as
// `tonewright-cli --list-settings` shows it; "" for an unknown name.
std::string AllowedValues(const std::string& name);

}  // namespace tonewright
