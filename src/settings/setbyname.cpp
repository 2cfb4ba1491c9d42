#include <algorithm>

#include "settings/settings.h"
#include "settings/settingsfields.h"

namespace tonewright {

namespace {

template <class Record>
const ValueField<Record>* FindField(const std::vector<ValueField<Record>>& fields, const std::string& name) {
    const auto found = std::find_if(fields.begin(), fields.end(),
                                    [&](const ValueField<Record>& field) { return name == field.name; });
    return found == fields.end() ? nullptr : &*found;
}

// The tag template a "<format word>Tag" prefix names, or null.
TagTemplate* FindTemplate(Settings& settings, const std::string& prefix) {
    for (const TagSlot& slot : TagSlots())
        if (prefix == std::string(slot.formatWord) + "Tag") return &(settings.*slot.member);
    return nullptr;
}

bool UnknownSetting(const std::string& name, std::string& error) {
    error = "unknown setting \"" + name + "\"";
    return false;
}

template <class Record>
bool SetField(const ValueField<Record>* field, Record& record, const std::string& name, const std::string& value,
              std::string& error) {
    if (!field) return UnknownSetting(name, error);
    if (SetFieldFromText(*field, value, record)) return true;
    error = "setting \"" + name + "\" needs a whole number, not \"" + value + "\"";
    return false;
}

}  // namespace

bool SetSettingByName(Settings& settings, const std::string& name, const std::string& value, std::string& error) {
    const std::string::size_type slash = name.find('/');
    if (slash != std::string::npos) {
        TagTemplate* tag = FindTemplate(settings, name.substr(0, slash));
        if (!tag) return UnknownSetting(name, error);
        return SetField(FindField(TagFields(), name.substr(slash + 1)), *tag, name, value, error);
    }
    if (!SetField(FindField(OptionFields(), name), settings, name, value, error)) return false;
    // The value may be FilterExts or EnableExtFilter, which the derived list is built from.
    RebuildExtensionFilter(settings);
    return true;
}

}  // namespace tonewright
