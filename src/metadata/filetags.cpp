#include "metadata/filetags.h"

#include <taglib/fileref.h>
#include <taglib/tpropertymap.h>

namespace tonewright {

namespace {

struct Property {
    const char* name;      // TagLib's property name
    const char* fallback;  // another property with the same meaning, or null
    std::string TagInfo::*field;
};

const Property kProperties[] = {
    {"TITLE", nullptr, &TagInfo::title},         {"ARTIST", nullptr, &TagInfo::artist},
    {"ALBUM", nullptr, &TagInfo::album},         {"DATE", nullptr, &TagInfo::year},
    {"GENRE", nullptr, &TagInfo::genre},         {"COMMENT", "DESCRIPTION", &TagInfo::comment},
    {"TRACKNUMBER", nullptr, &TagInfo::track},   {"COMPOSER", nullptr, &TagInfo::composer},
    {"COPYRIGHT", nullptr, &TagInfo::copyright},
};

std::string FirstValue(const TagLib::PropertyMap& properties, const char* name) {
    const auto found = properties.find(name);
    if (found == properties.end() || found->second.isEmpty()) return {};
    return found->second.front().to8Bit(true);
}

}  // namespace

int ReadFileTags(const std::string& path, TagInfo& tags) {
    TagLib::FileRef file(path.c_str(), false);
    if (file.isNull()) return 0;
    const TagLib::PropertyMap properties = file.file()->properties();
    TagInfo read;
    bool any = false;
    for (const Property& property : kProperties) {
        std::string value = FirstValue(properties, property.name);
        if (value.empty() && property.fallback) value = FirstValue(properties, property.fallback);
        any = any || !value.empty();
        read.*property.field = std::move(value);
    }
    if (!any) return 0;
    tags = std::move(read);
    return 1;
}

}  // namespace tonewright
