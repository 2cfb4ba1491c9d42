#pragma once

#include <string>
#include <vector>

#include "settings/settings.h"
#include "settings/settingsfields.h"

namespace tonewright {

struct OutputWriterFactory;

// One row of the desktop program's format selector.
struct SelectorLabel {
    int row;           // its place in the selector, counted from 0 over all formats
    const char* text;  // shown as " to <text>"
};

// A setting of a format that acts only while another of its settings holds `value`
// (MP3VBRQuality while MP3EncodingMode is 1).
struct ModeBoundSetting {
    int Settings::*setting;
    int Settings::*mode;
    int value;
};

// The stored options that every format may have, as Settings members; null where the
// format has none. Formats set on one options page share the same members.
struct OutputFormatSettings {
    int Settings::*autoParams;    // 1: the program chooses the encoding parameters
    int Settings::*amplify;       // amplification on (non-zero) or off
    int Settings::*amplifyCoeff;  // its coefficient in percent
    int Settings::*tagMode;       // a TagMode
    TagSlot tagTemplate;          // the template and the word naming its group in the store
    // The settings of the format's encoder; while `autoParams` is on the program chooses
    // instead of them.
    std::vector<int Settings::*> encoderParams;
    // Settings (encoder settings or not) that a mode setting among the encoder settings
    // lets act or not; a mode overruled by `autoParams` lets them act as at its default.
    std::vector<ModeBoundSetting> modeBound = {};
};

// Everything the program knows about one output format, in one place.
struct OutputFormatInfo {
    int code;
    const char* displayName;  // as in "Converting 1 of 3 file(s) to MP3..."
    const char* extension;    // target extension, dot included
    const char* commandName;  // the command line's -f value
    const OutputWriterFactory* writer;  // how its targets are written
    std::vector<SelectorLabel> selectorLabels;  // one or more rows
    OutputFormatSettings settings;
};

const std::vector<OutputFormatInfo>& OutputFormats();
const OutputFormatInfo* FindOutputFormat(int code);
const OutputFormatInfo* FindOutputFormatByCommandName(const std::string& name);

// The format selector's rows in its order, each with its format.
struct FormatSelectorRow {
    const OutputFormatInfo* format;
    const char* label;
};
std::vector<FormatSelectorRow> FormatSelectorRows();

}  // namespace tonewright
