#include "sources/bass/tagsread.h"

#include <taglib/fileref.h>
#include <taglib/tpropertymap.h>

#include <cstring>

namespace tonewright {

namespace {

constexpr size_t kFieldNameBytes = 4;

struct Field {
    const char* name;      // as written after "%" in the format
    const char* property;  // TagLib's property name
    const char* fallback;  // another property with the same meaning, or null
};

// Vorbis comments (Ogg, FLAC) keep the comment as DESCRIPTION as often as COMMENT.
const Field kFields[] = {
    {"TITL", "TITLE", nullptr},         {"ARTI", "ARTIST", nullptr},     {"ALBM", "ALBUM", nullptr},
    {"GNRE", "GENRE", nullptr},         {"YEAR", "DATE", nullptr},       {"CMNT", "COMMENT", "DESCRIPTION"},
    {"TRCK", "TRACKNUMBER", nullptr},   {"COMP", "COMPOSER", nullptr},   {"COPY", "COPYRIGHT", nullptr},
};

const Field* FindField(const std::string& format, size_t at) {
    if (format.size() - at < kFieldNameBytes) return nullptr;
    for (const Field& field : kFields)
        if (format.compare(at, kFieldNameBytes, field.name) == 0) return &field;
    return nullptr;
}

// The first value of a property as UTF-8, every line break (CR LF, LF or CR) made a space
// so that a value never spills onto the next line of the format.
std::string FieldValue(const TagLib::PropertyMap& properties, const char* property) {
    const auto found = properties.find(property);
    if (found == properties.end() || found->second.isEmpty()) return {};
    const std::string text = found->second.front().to8Bit(true);
    std::string value;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        value += text[i] == '\r' || text[i] == '\n' ? ' ' : text[i];
    }
    return value;
}

}  // namespace

std::string RenderTagsText(const std::string& path, const std::string& format) {
    TagLib::FileRef file(path.c_str(), false);
    if (file.isNull()) return {};
    const TagLib::PropertyMap properties = file.file()->properties();

    std::string text;
    bool anyValue = false;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            text += format[i];
        } else if (format[i + 1] == '%') {
            text += '%';
            ++i;
        } else if (const Field* field = FindField(format, i + 1)) {
            std::string value = FieldValue(properties, field->property);
            if (value.empty() && field->fallback) value = FieldValue(properties, field->fallback);
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
