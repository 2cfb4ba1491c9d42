#pragma once

#include <string>
#include <vector>

#include "settings/settings.h"
#include "settings/valuefield.h"

namespace tonewright {

// The group holding every option, the first-run marker and, below it, the tag templates.
constexpr const char* kOptionsGroup = "Options";

// Every value of the options group that Settings holds, in the order it is read and saved.
const std::vector<ValueField<Settings>>& OptionFields();

// The values of one tag template, in the order of its members.
const std::vector<ValueField<TagTemplate>>& TagFields();

// A tag template of Settings and the format word that names its group.
struct TagSlot {
    const char* formatWord;
    TagTemplate Settings::*member;
};
// The templates, in load and save order.
const std::vector<TagSlot>& TagSlots();

// The group of a format's tag template: "Options/MP3Tag" for "MP3".
std::string TagGroup(const std::string& formatWord);

}  // namespace tonewright
