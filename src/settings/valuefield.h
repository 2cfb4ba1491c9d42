#pragma once

#include <optional>
#include <string>
#include <utility>

#include "settings/settingsstore.h"

namespace tonewright {

// One stored value of a record (Settings or TagTemplate): its name in the store, the member
// that holds it, the rule that corrects it when read back, and the save group it belongs to.
// Exactly one of `number` and `text` is set.
template <class Record>
struct ValueField {
    const char* name;
    int Record::*number;
    std::string Record::*text;
    int (*readBack)(int);  // null: used as stored
    unsigned saveGroup;    // one kSave... bit; 0 for tag template fields
    bool missingTextClears;  // a missing text empties the field instead of keeping it

    int Corrected(int stored) const { return readBack ? readBack(stored) : stored; }
};

template <class Record>
constexpr ValueField<Record> NumberField(const char* name, int Record::*member, unsigned saveGroup = 0,
                                         int (*readBack)(int) = nullptr) {
    return {name, member, nullptr, readBack, saveGroup, false};
}

template <class Record>
constexpr ValueField<Record> TextField(const char* name, std::string Record::*member, unsigned saveGroup = 0,
                                       bool missingTextClears = false) {
    return {name, nullptr, member, nullptr, saveGroup, missingTextClears};
}

template <class Record>
void ReadField(const SettingsStore& store, const std::string& group, const ValueField<Record>& field,
               Record& record) {
    if (field.number) {
        if (const std::optional<int> stored = store.readInt(group, field.name))
            record.*field.number = field.Corrected(*stored);
    } else if (std::optional<std::string> stored = store.readText(group, field.name)) {
        record.*field.text = std::move(*stored);
    } else if (field.missingTextClears) {
        (record.*field.text).clear();
    }
}

template <class Record>
void WriteField(SettingsStore& store, const std::string& group, const ValueField<Record>& field,
                const Record& record) {
    if (field.number)
        store.writeInt(group, field.name, record.*field.number);
    else
        store.writeText(group, field.name, record.*field.text);
}

// Sets the field from command-line text; false when a number is needed and `value` is none.
template <class Record>
bool SetFieldFromText(const ValueField<Record>& field, const std::string& value, Record& record) {
    if (!field.number) {
        record.*field.text = value;
        return true;
    }
    const std::optional<int> number = ParseWholeNumber(value);
    if (!number) return false;
    record.*field.number = field.Corrected(*number);
    return true;
}

}  // namespace tonewright
