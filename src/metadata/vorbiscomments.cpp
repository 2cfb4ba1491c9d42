#include "metadata/vorbiscomments.h"

#include "metadata/keptfields.h"
#include "metadata/pictures.h"
#include "metadata/textconversion.h"

namespace tonewright {

std::vector<std::pair<const char*, std::string>> VorbisComments(const TagInfo& tags) {
    const std::pair<const char*, const std::string*> fields[] = {
        {"TITLE", &tags.title},       {"ARTIST", &tags.artist},     {"ALBUM", &tags.album},
        {"DATE", &tags.year},         {"GENRE", &tags.genre},       {"COMMENT", &tags.comment},
        {"COMPOSER", &tags.composer}, {"COPYRIGHT", &tags.copyright},
    };
    std::vector<std::pair<const char*, std::string>> comments;
    auto add = [&comments](const char* key, const std::string& value) {
        std::string utf8;
        if (!value.empty() && AnsiToUtf8(value, utf8) == 0) comments.emplace_back(key, std::move(utf8));
    };
    for (const auto& [key, value] : fields) add(key, *value);
    if (TrackNumber(tags.track) > 0) add("TRACKNUMBER", tags.track);
    for (const char* key : kKeptFieldNames) add(key, KeptField(tags, key));
    return comments;
}

std::vector<std::pair<const char*, std::string>> OggStreamComments(const TagInfo& tags) {
    std::vector<std::pair<const char*, std::string>> comments = VorbisComments(tags);
    for (const Picture& picture : tags.pictures)
        comments.emplace_back("METADATA_BLOCK_PICTURE", VorbisPictureComment(picture));
    return comments;
}

}  // namespace tonewright
