#include "metadata/mp4tags.h"

#include <unistd.h>

#include <taglib/mp4file.h>
#include <taglib/mp4tag.h>
#include <taglib/tfilestream.h>

#include <string>

#include "base/outputtarget.h"
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

struct Freeform {
    const char* field;  // the kept field
    const char* name;   // the item's name after "----:com.apple.iTunes:"
};

const Freeform kFreeforms[] = {
    {"REPLAYGAIN_TRACK_GAIN", "replaygain_track_gain"},
    {"REPLAYGAIN_TRACK_PEAK", "replaygain_track_peak"},
    {"REPLAYGAIN_ALBUM_GAIN", "replaygain_album_gain"},
    {"REPLAYGAIN_ALBUM_PEAK", "replaygain_album_peak"},
    {"MUSICBRAINZ_TRACKID", "MusicBrainz Track Id"},
    {"MUSICBRAINZ_ALBUMID", "MusicBrainz Album Id"},
    {"MUSICBRAINZ_ARTISTID", "MusicBrainz Artist Id"},
    {"MUSICBRAINZ_ALBUMARTISTID", "MusicBrainz Album Artist Id"},
    {"MUSICBRAINZ_RELEASEGROUPID", "MusicBrainz Release Group Id"},
    {"MUSICBRAINZ_RELEASETRACKID", "MusicBrainz Release Track Id"},
};

TagLib::StringList Texts(const std::string& utf8) {
    return TagLib::StringList(TagLib::String(utf8, TagLib::String::UTF8));
}

TagLib::MP4::CoverArt::Format CoverArtFormat(const std::string& mimeType) {
    if (mimeType == "image/png") return TagLib::MP4::CoverArt::PNG;
    if (mimeType == "image/bmp") return TagLib::MP4::CoverArt::BMP;
    if (mimeType == "image/gif") return TagLib::MP4::CoverArt::GIF;
    if (mimeType == "image/jpeg" || mimeType == "image/jpg") return TagLib::MP4::CoverArt::JPEG;
    return TagLib::MP4::CoverArt::Unknown;
}

void SetKeptItems(TagLib::MP4::Tag& tag, const TagInfo& tags) {
    auto field = [&tags](const char* name) -> const std::string& { return KeptField(tags, name); };
    if (!field("ALBUMARTIST").empty()) tag.setItem("aART", Texts(field("ALBUMARTIST")));
    if (TrackNumber(field("DISCNUMBER")) > 0)
        tag.setItem("disk", TagLib::MP4::Item(TrackNumber(field("DISCNUMBER")), TrackNumber(field("DISCTOTAL"))));
    if (TrackNumber(tags.track) > 0 && TrackNumber(field("TRACKTOTAL")) > 0)
        tag.setItem("trkn", TagLib::MP4::Item(TrackNumber(tags.track), TrackNumber(field("TRACKTOTAL"))));
    if (!field("COMPILATION").empty()) tag.setItem("cpil", TagLib::MP4::Item(TrackNumber(field("COMPILATION")) != 0));
    if (TrackNumber(field("BPM")) > 0) tag.setItem("tmpo", TagLib::MP4::Item(TrackNumber(field("BPM"))));
    if (!field("LYRICS").empty()) tag.setItem("\251lyr", Texts(field("LYRICS")));
    for (const Freeform& freeform : kFreeforms)
        if (!field(freeform.field).empty())
            tag.setItem(TagLib::String("----:com.apple.iTunes:") + freeform.name, Texts(field(freeform.field)));
    TagLib::MP4::CoverArtList covers;
    for (const Picture& picture : tags.pictures)
        covers.append(TagLib::MP4::CoverArt(CoverArtFormat(picture.mimeType),
                                            TagLib::ByteVector(picture.data.data(),
                                                               static_cast<unsigned>(picture.data.size()))));
    if (!covers.isEmpty()) tag.setItem("covr", covers);
}

}  // namespace

bool WriteMp4KeptTags(const std::string& path, const TagInfo& tags) {
    if (tags.kept.empty() && tags.pictures.empty()) return true;
    const int fd = OpenOutputFile(path, false);
    if (fd < 0) return false;
    TagLib::FileStream stream(fd, false);
    if (!stream.isOpen()) close(fd);
    if (!stream.isOpen() || stream.readOnly()) return false;
    TagLib::MP4::File file(&stream, false);
    TagLib::MP4::Tag* tag = file.isValid() ? file.tag() : nullptr;
    if (!tag) return false;
    SetKeptItems(*tag, tags);
    return file.save();
}

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
