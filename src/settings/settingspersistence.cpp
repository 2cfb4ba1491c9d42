#include "settings/settings.h"
#include "settings/settingsfields.h"

namespace tonewright {

namespace {

void WriteTagTemplate(SettingsStore& store, const std::string& formatWord, const TagTemplate& tag) {
    const std::string group = TagGroup(formatWord);
    for (const auto& field : TagFields()) WriteField(store, group, field, tag);
}

}  // namespace

void LoadSettings(Settings& settings, const SettingsStore& store) {
    if (store.readable()) {
        for (const auto& field : OptionFields()) ReadField(store, kOptionsGroup, field, settings);
        for (const TagSlot& slot : TagSlots()) LoadTagTemplate(store, slot.formatWord, settings.*slot.member);
    }
    RebuildExtensionFilter(settings);
}

int SaveSettings(const Settings& settings, SettingsStore& store, unsigned mask) {
    if (mask == 0) return 0;
    if (!store.writable()) return 1;
    for (unsigned group : {kSaveWindowState, kSaveFolder, kSaveOptions, kSaveWindowPlacement}) {
        if ((mask & group) == 0) continue;
        for (const auto& field : OptionFields())
            if (field.saveGroup == group) WriteField(store, kOptionsGroup, field, settings);
    }
    if (mask & kSaveOptions)
        for (const TagSlot& slot : TagSlots()) WriteTagTemplate(store, slot.formatWord, settings.*slot.member);
    store.flush();
    return 1;
}

bool LoadTagTemplate(const SettingsStore& store, const std::string& formatWord, TagTemplate& tag) {
    const std::string group = TagGroup(formatWord);
    if (!store.readable() || !store.hasGroup(group)) return false;
    for (const auto& field : TagFields()) ReadField(store, group, field, tag);
    return true;
}

void SaveTagTemplate(SettingsStore& store, const std::string& formatWord, const TagTemplate& tag) {
    if (!store.writable()) return;
    WriteTagTemplate(store, formatWord, tag);
    store.flush();
}

bool CheckFirstRun(SettingsStore& store) {
    constexpr const char* kFirstRun = "FirstRun";
    const int firstRun = store.readable() ? store.readInt(kOptionsGroup, kFirstRun).value_or(1) : 1;
    if (firstRun == 0) return false;
    if (store.writable()) {
        store.writeInt(kOptionsGroup, kFirstRun, 0);
        store.flush();
    }
    return true;
}

}  // namespace tonewright
