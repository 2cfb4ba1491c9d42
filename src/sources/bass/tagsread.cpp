#include "sources/bass/tagsread.h"

#include "metadata/filetags.h"

namespace tonewright {

namespace {

constexpr size_t kFieldNameBytes = 4;

struct Field {
    const char* name;  // as written after "%" in the format
    std::string TagInfo::*value;
};

const Field kFields[] = {
    {"TITL", &TagInfo::title}, {"ARTI", &TagInfo::artist},   {"ALBM", &TagInfo::album},
    {"GNRE", &TagInfo::genre}, {"YEAR", &TagInfo::year},     {"CMNT", &TagInfo::comment},
    {"TRCK", &TagInfo::track}, {"COMP", &TagInfo::composer}, {"COPY", &TagInfo::copyright},
};

const Field* FindField(const std::string& format, size_t at) {
    if (format.size() - at < kFieldNameBytes) return nullptr;
    for (const Field& field : kFields)
        if (format.compare(at, kFieldNameBytes, field.name) == 0) return &field;
    return nullptr;
}

// A value with every line break (CR LF, LF or CR) made a space, so that it never spills onto
// the next line of the format.
std::string OnOneLine(const std::string& text) {
    std::string value;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        value += text[i] == '\r' || text[i] == '\n' ? ' ' : text[i];
    }
    return value;
}

}  // namespace

std::string RenderTagsText(const std::string& path, const std::string& format) {
    TagInfo tags;
    if (!ReadFileTags(path, tags)) return {};

    std::string text;
    bool anyValue = false;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            text += format[i];
        } else if (format[i + 1] == '%') {
            text += '%';
            ++i;
        } else if (const Field* field = FindField(format, i + 1)) {
            const std::string value = OnOneLine(tags.*field->value);
            anyValue = anyValue || !value.empty();
            text += value;
            i += kFieldNameBytes;
        } else {
            text += '%';
        }
    }
    return anyValue ? text : std::string();
}

}  // namespace tonewright
