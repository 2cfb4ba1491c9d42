#include "cli/settingadvice.h"

#include <algorithm>
#include <map>

#include "engine/outputformat.h"
#include "settings/allowedvalues.h"
#include "settings/settingsfields.h"

namespace tonewright {

namespace {

// The store name of a member of Settings, or "".
std::string NameOf(int Settings::*member) {
    for (const ValueField<Settings>& field : OptionFields())
        if (field.number == member) return field.name;
    return "";
}

// The part a setting plays in a format's settings group.
enum class Role { None, AutoFlag, EncoderParam, ModeBound, AmplifySwitch, AmplifyCoefficient, TagMode, TagTemplate };

Role RoleIn(const OutputFormatSettings& group, const std::string& name) {
    const std::string::size_type slash = name.find('/');
    if (slash != std::string::npos) {
        const char* word = group.tagTemplate.formatWord;
        return word && name.substr(0, slash) == std::string(word) + "Tag" ? Role::TagTemplate : Role::None;
    }
    if (group.autoParams && name == NameOf(group.autoParams)) return Role::AutoFlag;
    if (name == NameOf(group.amplify)) return Role::AmplifySwitch;
    if (name == NameOf(group.amplifyCoeff)) return Role::AmplifyCoefficient;
    if (group.tagMode && name == NameOf(group.tagMode)) return Role::TagMode;
    for (int Settings::*param : group.encoderParams)
        if (name == NameOf(param)) return Role::EncoderParam;
    for (const ModeBoundSetting& bound : group.modeBound)
        if (name == NameOf(bound.setting)) return Role::ModeBound;
    return Role::None;
}

// "NAME=VALUE has no effect while SWITCH=NOW (--set SWITCH=WANTED lets it act)".
std::string Overruled(const std::string& assignment, const Settings& settings, int Settings::*other, int wanted) {
    const std::string name = NameOf(other);
    return assignment + " has no effect while " + name + "=" + std::to_string(settings.*other) + " (--set " + name +
           "=" + std::to_string(wanted) + " lets it act)";
}

// The warning when the format's mode setting, acting now, keeps `name` from acting; "" when
// it does not. While the Auto flag chooses the encoding the mode is left out of account.
std::string ModeWarning(const std::string& assignment, const std::string& name, const Settings& settings,
                        const OutputFormatSettings& group) {
    if (group.autoParams && settings.*group.autoParams) return "";
    for (const ModeBoundSetting& bound : group.modeBound)
        if (name == NameOf(bound.setting) && settings.*bound.mode != bound.value)
            return Overruled(assignment, settings, bound.mode, bound.value);
    return "";
}

std::string WarningFor(const std::string& name, const std::string& value, const Settings& settings) {
    const std::string assignment = name + "=" + value;
    std::string now;
    if (!GetSettingByName(settings, name, now)) return "";
    const std::optional<int> asked = ParseWholeNumber(value);
    if (asked && now != value && std::to_string(*asked) != now) return assignment + " is read back as " + now;

    const OutputFormatInfo* chosen = FindOutputFormat(settings.OutputFormat);
    const OutputFormatInfo* owner = nullptr;
    for (const OutputFormatInfo& format : OutputFormats())
        if (RoleIn(format.settings, name) != Role::None && (!owner || &format == chosen)) owner = &format;
    if (!owner || !chosen) return "";
    if (owner != chosen)
        return assignment + " has no effect: the output format is " + chosen->displayName + " (-f " +
               owner->commandName + " would use it)";
    const OutputFormatSettings& group = chosen->settings;
    switch (RoleIn(group, name)) {
        case Role::EncoderParam:
            if (group.autoParams && settings.*group.autoParams)
                return Overruled(assignment, settings, group.autoParams, 0);
            return ModeWarning(assignment, name, settings, group);
        case Role::ModeBound:
            return ModeWarning(assignment, name, settings, group);
        case Role::AmplifyCoefficient:
            if (!(settings.*group.amplify)) return Overruled(assignment, settings, group.amplify, 1);
            break;
        case Role::TagTemplate:
            if (settings.*group.tagMode != kTagFromTemplate)
                return Overruled(assignment, settings, group.tagMode, kTagFromTemplate);
            break;
        default:
            break;
    }
    return "";
}

}  // namespace

std::vector<std::string> SettingWarnings(const std::vector<std::pair<std::string, std::string>>& assignments,
                                         const Settings& settings) {
    std::map<std::string, std::string> last;
    for (const auto& [name, value] : assignments) last[name] = value;
    std::vector<std::string> warnings;
    for (const auto& [name, value] : assignments) {
        if (last[name] != value) continue;
        last.erase(name);  // once per name
        std::string warning = WarningFor(name, value, settings);
        if (!warning.empty()) warnings.push_back(std::move(warning));
    }
    return warnings;
}

std::vector<std::string> SettingListLines(const Settings& settings, const Settings& defaults) {
    std::vector<std::string> lines;
    for (const std::string& name : SettingNames()) {
        std::string now, standard;
        GetSettingByName(settings, name, now);
        GetSettingByName(defaults, name, standard);
        lines.push_back(name + "\t" + now + "\t" + standard + "\t" + AllowedValues(name));
    }
    return lines;
}

}  // namespace tonewright
