#include <algorithm>
#include <cctype>

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
template <class AnySettings>
auto FindTemplate(AnySettings& settings, const std::string& prefix) -> decltype(&settings.MP3Tag) {
    for (const TagSlot& slot : TagSlots())
        if (prefix == std::string(slot.formatWord) + "Tag") return &(settings.*slot.member);
    return nullptr;
}

bool UnknownSetting(const std::string& name, std::string& error) {
    error = "unknown setting \"" + name + "\"";
    const std::string nearest = NearestSettingName(name);
    if (!nearest.empty()) error += " (did you mean " + nearest + "?)";
    return false;
}

// How many letters must be inserted, removed or changed to turn `a` into `b`, letter case
// ignored.
size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            const bool same = std::tolower(static_cast<unsigned char>(a[i - 1])) ==
                              std::tolower(static_cast<unsigned char>(b[j - 1]));
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

template <class Record>
bool GetField(const ValueField<Record>* field, const Record& record, std::string& value) {
    if (!field) return false;
    value = field->number ? std::to_string(record.*field->number) : record.*field->text;
    return true;
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

bool GetSettingByName(const Settings& settings, const std::string& name, std::string& value) {
    const std::string::size_type slash = name.find('/');
    if (slash == std::string::npos) return GetField(FindField(OptionFields(), name), settings, value);
    const TagTemplate* tag = FindTemplate(settings, name.substr(0, slash));
    return tag && GetField(FindField(TagFields(), name.substr(slash + 1)), *tag, value);
}

std::vector<std::string> SettingNames() {
    std::vector<std::string> names;
    for (const ValueField<Settings>& field : OptionFields()) names.emplace_back(field.name);
    for (const TagSlot& slot : TagSlots())
        for (const ValueField<TagTemplate>& field : TagFields())
            names.push_back(std::string(slot.formatWord) + "Tag/" + field.name);
    return names;
}

std::string NearestSettingName(const std::string& name) {
    std::string nearest;
    size_t best = name.size() / 3 + 1;  // farther off than this is no misspelling
    for (const std::string& known : SettingNames()) {
        const size_t distance = EditDistance(name, known);
        if (distance < best) {
            best = distance;
            nearest = known;
        }
    }
    return nearest;
}

}  // namespace tonewright
