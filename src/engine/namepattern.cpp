#include "engine/namepattern.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

#include "base/pathutil.h"

namespace tonewright {

namespace {

struct PatternField {
    const char* name;
    std::string (*value)(const TagInfo& tags, const std::string& sourcePath);
};

// The fields a pattern may name; one the file lacks reads empty, so that a list such as
// %albumartist|artist% falls back.
const PatternField kFields[] = {
    {"title", [](const TagInfo& t, const std::string&) { return t.title; }},
    {"artist", [](const TagInfo& t, const std::string&) { return t.artist; }},
    {"albumartist", [](const TagInfo& t, const std::string&) { return KeptField(t, "ALBUMARTIST"); }},
    {"album", [](const TagInfo& t, const std::string&) { return t.album; }},
    {"disc", [](const TagInfo& t, const std::string&) { return KeptField(t, "DISCNUMBER"); }},
    {"track", [](const TagInfo& t, const std::string&) { return t.track; }},
    {"year", [](const TagInfo& t, const std::string&) { return t.year; }},
    {"genre", [](const TagInfo& t, const std::string&) { return t.genre; }},
    {"composer", [](const TagInfo& t, const std::string&) { return t.composer; }},
    {"filename", [](const TagInfo&, const std::string& s) { return StripExtension(LastPathComponent(s)); }},
};

const PatternField* FindField(const std::string& name) {
    for (const PatternField& field : kFields)
        if (name == field.name) return &field;
    return nullptr;
}

// One %...% field: its names and the width of its number (0: the text as it is).
struct FieldUse {
    std::vector<std::string> names;
    int width = 0;
};

// Reads the inside of a field ("a|b:2"); false with `problem` set when it is not usable.
bool ReadField(const std::string& inside, FieldUse& use, std::string& problem) {
    std::string names = inside;
    const size_t colon = inside.find(':');
    if (colon != std::string::npos) {
        names = inside.substr(0, colon);
        const std::string width = inside.substr(colon + 1);
        char* end = nullptr;
        const long n = std::strtol(width.c_str(), &end, 10);
        if (width.empty() || *end != '\0' || n < 1 || n > 9) {
            problem = "the width in %" + inside + "% must be a number from 1 to 9";
            return false;
        }
        use.width = static_cast<int>(n);
    }
    size_t start = 0;
    while (true) {
        const size_t bar = std::min(names.find('|', start), names.size());
        const std::string name = names.substr(start, bar - start);
        if (!FindField(name)) {
            problem = "unknown field %" + name + "% (known: " + NamePatternFieldList() + ")";
            return false;
        }
        use.names.push_back(name);
        if (bar == names.size()) return true;
        start = bar + 1;
    }
}

// The field's text: the first name with a value, as a zero-padded number when asked.
std::string FieldText(const FieldUse& use, const TagInfo& tags, const std::string& sourcePath) {
    std::string text;
    for (const std::string& name : use.names) {
        text = FindField(name)->value(tags, sourcePath);
        if (!text.empty()) break;
    }
    if (use.width == 0 || text.empty() || text[0] < '0' || text[0] > '9') return text;
    size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
    text.resize(digits);
    if (text.size() < static_cast<size_t>(use.width)) text.insert(0, use.width - text.size(), '0');
    return text;
}

// Characters a name cannot hold on Linux (the separator) or on FAT and SMB shares, and
// control characters, become "_".
void ReplaceRefused(std::string& text) {
    for (char& c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f || std::string("/\\:*?\"<>|").find(c) != std::string::npos) c = '_';
    }
}

// Cuts a UTF-8 text to at most `limit` bytes without splitting a character.
void CutToBytes(std::string& text, size_t limit) {
    if (text.size() <= limit) return;
    size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    text.resize(end);
}

void Trim(std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        text.clear();
        return;
    }
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Walks the pattern: literal text and fields, "/" ending a component. Calls
// `component(text, isLast)` for each; false with `problem` at the first unusable field.
template <typename OnComponent>
bool Walk(const std::string& pattern, const TagInfo* tags, const std::string& sourcePath, std::string& problem,
          OnComponent component) {
    std::string text;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '/') {
            component(text, false);
            text.clear();
        } else if (c != '%') {
            text += c;
        } else {
            const size_t close = pattern.find('%', i + 1);
            if (close == std::string::npos) {
                problem = "a % is not closed";
                return false;
            }
            const std::string inside = pattern.substr(i + 1, close - i - 1);
            i = close;
            if (inside.empty()) {
                text += '%';
                continue;
            }
            FieldUse use;
            if (!ReadField(inside, use, problem)) return false;
            if (!tags) continue;
            std::string value = FieldText(use, *tags, sourcePath);
            ReplaceRefused(value);
            text += value;
        }
    }
    component(text, true);
    return true;
}

}  // namespace

std::string NamePatternFieldList() {
    std::string list;
    for (const PatternField& field : kFields) list += std::string(list.empty() ? "" : ", ") + field.name;
    return list;
}

std::string NamePatternProblem(const std::string& pattern) {
    std::string problem;
    if (!pattern.empty() && pattern.front() == '/') return "the pattern must not start with /";
    Walk(pattern, nullptr, "", problem, [](const std::string&, bool) {});
    return problem;
}

std::string ExpandNamePattern(const std::string& pattern, const TagInfo& tags, const std::string& sourcePath,
                              size_t extensionRoom) {
    std::string path;
    std::string problem;
    Walk(pattern, &tags, sourcePath, problem, [&](std::string text, bool isLast) {
        ReplaceRefused(text);
        Trim(text);
        if (isLast && text.empty()) text = StripExtension(LastPathComponent(sourcePath));
        if (text.empty() || text == "." || text == "..") text = "_";
        CutToBytes(text, NAME_MAX - (isLast ? extensionRoom : 0));
        path += isLast ? text : text + "/";
    });
    return path;
}

}  // namespace tonewright
