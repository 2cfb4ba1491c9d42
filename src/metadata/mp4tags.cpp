#include "metadata/mp4tags.h"

#include <taglib/mp4file.h>
#include <taglib/mp4tag.h>

#include <string>

#include "metadata/textconversion.h"

namespace tonewright {

namespace {

struct TextItem {
    const char* key;  // Latin-1, as TagLib names MP4 items
    std::string TagInfo::*field;
};

const TextItem kTextItems[] = {
    {"\251nam", &TagInfo::title},   {"\251ART", &TagInfo::artist},   {"\251alb", &TagInfo::album},
    {"\251day", &TagInfo::year},    {"\251gen", &TagInfo::genre},    {"\251cmt", &TagInfo::comment},
    {"\251wrt", &TagInfo::composer}, {"cprt", &TagInfo::copyright},
};

}  // namespace

int ReadMp4Tags(const std::string& path, TagInfo& tags) {
    TagLib::MP4::File file(path.c_str(), false);
    const TagLib::MP4::Tag* tag = file.isValid() ? file.tag() : nullptr;
    if (!tag) return 0;
    int read = 0;
    for (const TextItem& item : kTextItems) {
        const TagLib::String key(item.key, TagLib::String::Latin1);
        if (!tag->contains(key)) continue;
        const TagLib::StringList values = tag->item(key).toStringList();
        if (values.isEmpty()) continue;
        std::string converted;
        if (Utf8ToAnsi(values.front().to8Bit(true), converted) != 0 || converted.empty()) continue;
        tags.*item.field = converted;
        read = 1;
    }
    const TagLib::String trackKey("trkn", TagLib::String::Latin1);
    if (tag->contains(trackKey)) {
        const int number = tag->item(trackKey).toIntPair().first;
        if (number > 0) tags.track = std::to_string(number);
    }
    return read;
}

}  // namespace tonewright
