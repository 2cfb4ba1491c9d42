#pragma once

#include <string>
#include <utility>
#include <vector>

#include "settings/settings.h"

namespace tonewright {

// Warnings about the values the command line set (--set NAME=VALUE, the last one of each
// name) that will not act as given in this run: read back as another value, belonging to
// another output format than the one chosen, or overruled by another setting (the
// format's Auto flag, its encoding mode, its amplification switch, its tag mode), naming the
// setting that would let them act. `settings` is this run's, with every value set.
std::vector<std::string> SettingWarnings(const std::vector<std::pair<std::string, std::string>>& assignments,
                                         const Settings& settings);

// One line per setting for --list-settings: name, this run's value, the default and what
// it may hold, separated by TABs.
std::vector<std::string> SettingListLines(const Settings& settings, const Settings& defaults);

}  // namespace tonewright
